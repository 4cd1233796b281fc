// A particle's step: ageing, movement, spin, gravity and thrust.
#include <gtest/gtest.h>

#include "EffectsTestEnv.h"
#include "effects/ParticleEngine.h"
#include "effects/TParticle.h"
#include "effects/TParticleInfo.h"

namespace tolvex::test {
namespace {

class ParticleMotionTest : public EffectsTest {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    SetParticleScreen(1000, 1000);
    SetFrame(100);  // F = 10
  }
};

TEST_F(ParticleMotionTest, MovesBySpeedOverFrameRateAndSpins) {
  const auto info = TParticleInfo::Create("p", 1000, 1000, 40, 40, 100, 100, 0, false);
  const auto p = info->CreateParticle(100, 100, 90, nullptr);
  UpdateParticles();
  EXPECT_NEAR(p->Pos[0], 110, 1e-4);
  EXPECT_NEAR(p->Pos[1], 100, 1e-4);
  EXPECT_FLOAT_EQ(p->Direction, 94);
  EXPECT_EQ(p->LiveTime[0], 100);
}

TEST_F(ParticleMotionTest, ExpiresOnlyWhenAgeExceedsLifetime) {
  const auto info = TParticleInfo::Create("p", 200, 200, 0, 0, 0, 0, 0, false);
  info->CreateParticle(100, 100, 0, nullptr);
  UpdateParticles();
  UpdateParticles();  // age 200 = lifetime: still alive
  EXPECT_EQ(ParticleCount(), 1u);
  UpdateParticles();
  EXPECT_EQ(ParticleCount(), 0u);
}

TEST_F(ParticleMotionTest, GravityChangesVelocityAfterTheMove) {
  SetParticleGravity(0, 50);
  const auto info = TParticleInfo::Create("p", 1000, 1000, 0, 0, 0, 0, 0, false);
  const auto p = info->CreateParticle(100, 100, 0, nullptr);
  UpdateParticles();
  EXPECT_FLOAT_EQ(p->Pos[1], 100);
  EXPECT_FLOAT_EQ(p->MoveSpeed[1], 5);
  UpdateParticles();
  EXPECT_FLOAT_EQ(p->Pos[1], 100.5f);
}

TEST_F(ParticleMotionTest, ThrustPushesAlongTheNewDirection) {
  const auto info = TParticleInfo::Create("p", 1000, 1000, 900, 900, 0, 0, 20, false);
  const auto p = info->CreateParticle(100, 100, 0, nullptr);
  UpdateParticles();  // direction becomes 90 first, then thrust pushes right
  EXPECT_NEAR(p->MoveSpeed[0], 2, 1e-4);
  EXPECT_NEAR(p->MoveSpeed[1], 0, 1e-4);
}

TEST_F(ParticleMotionTest, DirectionCanFollowTheVelocity) {
  const auto info = TParticleInfo::Create("p", 1000, 1000, 500, 500, 100, 100, 0, false);
  info->DirectionIsMoveDirection = true;
  const auto p = info->CreateParticle(100, 100, 180, nullptr);
  UpdateParticles();
  EXPECT_NEAR(std::abs(p->Direction), 180, 1e-3);
}

TEST_F(ParticleMotionTest, NothingIsDrawnWhileDrawingIsOff) {
  const auto info = TParticleInfo::Create("p", 1000, 1000, 0, 0, 0, 0, 0, false);
  info->Image = SolidImage(4, 4, 0xFFFFFFFF);
  info->ImageRadius = 3;
  info->CreateParticle(100, 100, 0, nullptr);
  UpdateParticles();
  EXPECT_EQ(Particles().drawn, 0);
  SetParticleDrawing(true);
  UpdateParticles();
  EXPECT_EQ(Particles().drawn, 1);
}

}  // namespace
}  // namespace tolvex::test
