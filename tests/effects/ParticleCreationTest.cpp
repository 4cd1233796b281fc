// Starting particles: culling, spread, radius, inherited directions, the registry.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "EffectsTestEnv.h"
#include "effects/ParticleEngine.h"
#include "effects/TEmitterInfo.h"
#include "effects/TParticle.h"
#include "effects/TParticleInfo.h"
#include "platform/Clock.h"

namespace tolvex::test {
namespace {

class ParticleCreationTest : public EffectsTest {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    SetParticleScreen(100, 50);
    SetParticleCamera(10, 20);
    effect = TParticleInfo::Create("spark", 1000, 1000, 0, 0, 100, 100, 0, false);
  }
  TParticleInfoPtr effect;
};

TEST_F(ParticleCreationTest, CreationIsCulledBeyondOneScreenAround) {
  EXPECT_NE(effect->CreateParticle(10 + 200, 20, 0, nullptr), nullptr);
  EXPECT_EQ(effect->CreateParticle(10 + 200.001f, 20, 0, nullptr), nullptr);
  EXPECT_NE(effect->CreateParticle(10 - 100, 20 - 50, 0, nullptr), nullptr);
  EXPECT_EQ(effect->CreateParticle(10 - 100.01f, 20, 0, nullptr), nullptr);
  EXPECT_NE(effect->CreateParticle(10, 20 + 100, 0, nullptr), nullptr);
  EXPECT_EQ(effect->CreateParticle(10, 20 + 100.01f, 0, nullptr), nullptr);
  EXPECT_EQ(effect->CreateParticle(10, 20 - 50.01f, 0, nullptr), nullptr);
  EXPECT_EQ(ParticleCount(), 3u);
}

TEST_F(ParticleCreationTest, SpreadGivesWholeDegreesAroundTheDirection) {
  effect->AddEmitterInfo(0, 0, 10, 0);
  std::set<long> seen;
  for (int i = 0; i < 2000; ++i) {
    const auto p = effect->CreateParticle(50, 40, 90, nullptr);
    const float heading = ATan2Deg(p->MoveSpeed[0], -p->MoveSpeed[1]);
    EXPECT_NEAR(heading, std::round(heading), 1e-3);
    EXPECT_EQ(p->Direction, 90);  // the sprite keeps the given direction
    seen.insert(std::lround(heading));
  }
  EXPECT_EQ(*seen.begin(), 85);
  EXPECT_EQ(*seen.rbegin(), 95);
  EXPECT_EQ(seen.size(), 11u);
}

TEST_F(ParticleCreationTest, RadiusPutsTheStartOnTheCircle) {
  effect->AddEmitterInfo(4, 0, 0, 50);
  for (int i = 0; i < 100; ++i) {
    const auto p = effect->CreateParticle(50, 40, 0, nullptr);
    EXPECT_NEAR(std::hypot(p->Pos[0] - 50, p->Pos[1] - 40), 50, 1e-3);
  }
}

TEST_F(ParticleCreationTest, RangesAreDrawnWithinTheirLimits) {
  const auto ranged = TParticleInfo::Create("ranged", 300, 600, -50, 50, 100, 200, 0, false);
  for (int i = 0; i < 500; ++i) {
    const auto p = ranged->CreateParticle(50, 40, 0, nullptr);
    EXPECT_GE(p->LiveTime[1], 300);
    EXPECT_LE(p->LiveTime[1], 600);
    EXPECT_GE(p->AngleSpeed, -50);
    EXPECT_LT(p->AngleSpeed, 50);
    const float speed = std::hypot(p->MoveSpeed[0], p->MoveSpeed[1]);
    EXPECT_GE(speed, 100 - 1e-3);
    EXPECT_LT(speed, 200);
    EXPECT_EQ(p->LiveTime[0], 0);
  }
}

TEST_F(ParticleCreationTest, NegativeSpeedMovesAgainstTheDirection) {
  const auto debris = TParticleInfo::Create("debris", 1000, 1000, 0, 0, -200, -100, 0, false);
  const auto p = debris->CreateParticle(50, 40, 90, nullptr);
  EXPECT_LT(p->MoveSpeed[0], 0);
}

TEST_F(ParticleCreationTest, RegistryFindsTheLastEffectOfAnId) {
  EXPECT_EQ(TParticleInfo::Get("never"), nullptr);
  const auto again = TParticleInfo::Create("spark", 1, 1, 0, 0, 0, 0, 0, false);
  EXPECT_EQ(TParticleInfo::Get("spark"), again);
  EXPECT_NE(again, effect);
}

// A parent particle with a known direction and velocity.
TParticlePtr Parent(const TParticleInfoPtr& info) {
  const auto p = info->CreateParticle(50, 40, 30, nullptr);
  p->MoveSpeed = {3, 4};
  return p;
}

float InheritedDirection(std::uint8_t mode) {
  const auto parentInfo = TParticleInfo::Get("spark");
  const auto childInfo = TParticleInfo::Create("kid", 1000, 1000, 0, 0, 0, 0, 0, false);
  childInfo->AddEmitterInfo(mode, 77, 0, 0);
  const auto rule = TEmitterInfo::Create(0, 1, 1, childInfo);
  const auto parent = Parent(parentInfo);
  return childInfo->InheritParticle(*parent, *rule)->Direction;
}

TEST_F(ParticleCreationTest, InheritedStartDirectionFollowsTheMode) {
  EXPECT_FLOAT_EQ(InheritedDirection(0), 30);
  EXPECT_FLOAT_EQ(InheritedDirection(1), 210);
  EXPECT_NEAR(InheritedDirection(2), ATan2Deg(3, -4), 1e-4);
  EXPECT_NEAR(InheritedDirection(3), ATan2Deg(3, 4), 1e-4);
  EXPECT_FLOAT_EQ(InheritedDirection(5), 77);
  EXPECT_FLOAT_EQ(InheritedDirection(9), 0);
  for (int i = 0; i < 200; ++i) {
    const float d = InheritedDirection(4);
    EXPECT_EQ(d, std::round(d));
    EXPECT_GE(d, 0);
    EXPECT_LE(d, 360);
  }
}

TEST_F(ParticleCreationTest, PivotChildrenFollowTheirParent) {
  const auto attached = TParticleInfo::Create("attached", 1000, 1000, 0, 0, 0, 0, 0, true);
  const auto rule = TEmitterInfo::Create(0, 1, 1, attached);
  const auto parent = effect->CreateParticle(50, 40, 0, nullptr);
  const auto child = attached->InheritParticle(*parent, *rule);
  ASSERT_EQ(child->Pivot, parent);
  // The child starts at the parent's stored position, which becomes an offset.
  EXPECT_FLOAT_EQ(child->PosGet(0), 100);
  EXPECT_FLOAT_EQ(child->PosGet(1), 80);
  const auto grandchild = attached->InheritParticle(*child, *rule);
  EXPECT_FLOAT_EQ(grandchild->PosGet(0), 150);
}

TEST_F(ParticleCreationTest, PivotIsIgnoredWhenTheEffectIsNotConnected) {
  const auto rule = TEmitterInfo::Create(0, 1, 1, effect);
  const auto parent = effect->CreateParticle(50, 40, 0, nullptr);
  EXPECT_EQ(effect->InheritParticle(*parent, *rule)->Pivot, nullptr);
}

TEST_F(ParticleCreationTest, ParticlesCreatedBeforeTheFirstUpdateSurviveIt) {
  effect->CreateParticle(50, 40, 0, nullptr);
  UpdateParticles();
  EXPECT_EQ(ParticleCount(), 1u);
  InitParticleEngine();
  EXPECT_EQ(ParticleCount(), 0u);
}

}  // namespace
}  // namespace tolvex::test
