// Emitter rules: the shared accumulator, life windows and the order rules run in.
#include <gtest/gtest.h>

#include "EffectsTestEnv.h"
#include "effects/ParticleEngine.h"
#include "effects/TEmitterInfo.h"
#include "effects/TParticle.h"
#include "effects/TParticleInfo.h"

namespace tolvex::test {
namespace {

class ParticleEmitterTest : public EffectsTest {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    SetParticleScreen(1000, 1000);
    child = TParticleInfo::Create("child", 100000, 100000, 0, 0, 0, 0, 0, false);
    parent = TParticleInfo::Create("parent", 1000, 1000, 0, 0, 0, 0, 0, false);
  }

  // How many live particles belong to the effect.
  static int Count(const TParticleInfoPtr& effect) {
    int n = 0;
    for (const auto& p : *Particles().particles) n += p->Info == effect ? 1 : 0;
    return n;
  }

  TParticleInfoPtr child, parent;
};

TEST_F(ParticleEmitterTest, AccumulatorTurnsMillisecondsIntoParticles) {
  parent->AddEmitter(0, 1, 0.05f, child);
  parent->CreateParticle(100, 100, 0, nullptr);
  UpdateParticles();
  EXPECT_EQ(Count(child), 0);  // 16 · 0.05 = 0.8
  EXPECT_EQ((*parent->Emitter)[0]->LastEmission, 16);
  UpdateParticles();
  EXPECT_EQ(Count(child), 1);  // 32 · 0.05 = 1.6
  EXPECT_EQ((*parent->Emitter)[0]->LastEmission, 12);
}

TEST_F(ParticleEmitterTest, ParentsOfOneEffectShareTheAccumulator) {
  parent->AddEmitter(0, 1, 0.05f, child);
  parent->CreateParticle(100, 100, 0, nullptr);
  parent->CreateParticle(300, 100, 0, nullptr);
  UpdateParticles();
  // The second parent brings the shared count to 32 ms and gets the child.
  ASSERT_EQ(Count(child), 1);
  const auto last = Particles().particles->Last();
  EXPECT_EQ(last->Info, child);
  EXPECT_FLOAT_EQ(last->Pos[0], 300);
  EXPECT_EQ((*parent->Emitter)[0]->LastEmission, 12);
}

TEST_F(ParticleEmitterTest, AccumulatorCarriesOverToTheNextParticle) {
  parent->LiveTime = {16, 16};
  parent->AddEmitter(0, 1, 0.05f, child);
  parent->CreateParticle(100, 100, 0, nullptr);
  UpdateParticles();
  UpdateParticles();  // the first parent expires
  EXPECT_EQ(Count(parent), 0);
  parent->CreateParticle(100, 100, 0, nullptr);
  UpdateParticles();
  EXPECT_EQ(Count(child), 1);
}

TEST_F(ParticleEmitterTest, WindowIncludesItsStart) {
  parent->LiveTime = {32, 32};
  parent->AddEmitter(0.5f, 1, 1, child);
  parent->CreateParticle(100, 100, 0, nullptr);
  UpdateParticles();  // t = 0.5 exactly
  EXPECT_EQ(Count(child), 16);
}

TEST_F(ParticleEmitterTest, WindowIncludesItsEndAndStopsAfter) {
  parent->LiveTime = {64, 64};
  parent->AddEmitter(0, 0.5f, 1, child);
  parent->CreateParticle(100, 100, 0, nullptr);
  UpdateParticles();  // t = 0.25
  UpdateParticles();  // t = 0.5
  EXPECT_EQ(Count(child), 32);
  UpdateParticles();  // t = 0.75: outside, the accumulator keeps its value
  EXPECT_EQ(Count(child), 32);
  EXPECT_EQ((*parent->Emitter)[0]->LastEmission, 0);
}

TEST_F(ParticleEmitterTest, RulesRunInReverseOrderOfAdding) {
  const auto second = TParticleInfo::Create("second", 100000, 100000, 0, 0, 0, 0, 0, false);
  parent->AddEmitter(0, 1, 0.125f, child);
  parent->AddEmitter(0, 1, 0.125f, second);
  ASSERT_EQ(parent->Emitter->size(), 2u);
  EXPECT_EQ((*parent->Emitter)[0]->EmittParticle, second);
  parent->CreateParticle(100, 100, 0, nullptr);
  UpdateParticles();
  std::vector<TParticleInfoPtr> order;
  for (const auto& p : *Particles().particles) order.push_back(p->Info);
  ASSERT_EQ(order.size(), 5u);
  EXPECT_EQ(order[1], second);
  EXPECT_EQ(order[2], second);
  EXPECT_EQ(order[3], child);
  EXPECT_EQ(order[4], child);
}

TEST_F(ParticleEmitterTest, ZeroLifetimeDiesUnseen) {
  parent->LiveTime = {0, 0};
  parent->MoveSpeed = {100, 100};
  parent->Image = SolidImage(4, 4, 0xFFFFFFFF);
  parent->ImageRadius = 3;
  parent->AddEmitter(0, 1, 1, child);
  const auto p = parent->CreateParticle(100, 100, 90, nullptr);
  SetParticleDrawing(true);
  UpdateParticles();
  EXPECT_EQ(ParticleCount(), 0u);
  EXPECT_FALSE(p->Link.Linked());
  EXPECT_FLOAT_EQ(p->Pos[0], 100);  // not moved
  EXPECT_EQ(Particles().drawn, 0);
  EXPECT_EQ((*parent->Emitter)[0]->LastEmission, 0);
}

TEST_F(ParticleEmitterTest, ChildrenEmittedThisFrameAgeInTheSameWalk) {
  parent->AddEmitter(0, 1, 0.0625f, child);
  parent->CreateParticle(100, 100, 0, nullptr);
  UpdateParticles();
  const auto last = Particles().particles->Last();
  ASSERT_EQ(last->Info, child);
  EXPECT_EQ(last->LiveTime[0], 16);
}

TEST_F(ParticleEmitterTest, EffectWithoutRulesNeverEmits) {
  parent->CreateParticle(100, 100, 0, nullptr);
  for (int i = 0; i < 10; ++i) UpdateParticles();
  EXPECT_EQ(ParticleCount(), 1u);
}

TEST_F(ParticleEmitterTest, LiveParticlesKeepTheRulesTheyStartedWith) {
  parent->AddEmitter(0, 1, 0.0625f, child);
  const auto p = parent->CreateParticle(100, 100, 0, nullptr);
  parent->AddEmitter(0, 1, 0.0625f, child);
  EXPECT_EQ(p->Emitter->size(), 1u);
  EXPECT_EQ((*p->Emitter)[0], (*parent->Emitter)[1]);
}

}  // namespace
}  // namespace tolvex::test
