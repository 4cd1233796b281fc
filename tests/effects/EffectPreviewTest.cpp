// The debug preview: reading its settings and playing them frame by frame.
#include <gtest/gtest.h>

#include "EffectsTestEnv.h"
#include "core/Globals.h"
#include "effects/AmbientTable.h"
#include "effects/EffectPreview.h"
#include "effects/ParticleEngine.h"
#include "effects/TParticle.h"
#include "effects/TParticleInfo.h"

namespace tolvex::test {
namespace {

class EffectPreviewTest : public EffectsTest {
 protected:
  void TearDown() override {
    StartEffectPreview(PreviewPlan{});
    EffectsTest::TearDown();
  }
};

TEST_F(EffectPreviewTest, ReadsAmbientsEffectsAndCamera) {
  const auto plan = ParsePreviewPlan("2,5@120", "Explosion:640:360:30;RAntrieb1:100:700:1:0:300", "40:-10");
  ASSERT_EQ(plan.ambients.size(), 2u);
  EXPECT_EQ(plan.ambients[0].ambient, 2);
  EXPECT_EQ(plan.ambients[0].frame, 0);
  EXPECT_EQ(plan.ambients[1].ambient, 5);
  EXPECT_EQ(plan.ambients[1].frame, 120);
  ASSERT_EQ(plan.effects.size(), 2u);
  EXPECT_EQ(plan.effects[0].id, "Explosion");
  EXPECT_EQ(plan.effects[0].every, 30);
  EXPECT_FALSE(plan.effects[0].direction.has_value());
  EXPECT_EQ(plan.effects[1].direction, 0);
  EXPECT_EQ(plan.effects[1].speed, 300);
  EXPECT_EQ(plan.cameraSpeedX, 40);
  EXPECT_EQ(plan.cameraSpeedY, -10);
}

TEST_F(EffectPreviewTest, SkipsWhatItCannotRead) {
  const auto plan = ParsePreviewPlan("6,-1,x,1@,3@7", "Explosion:1:2;:1:2:3;Feuer:1:2:0;Feuer:a:2:3;Feuer:1:2:3:4:-5",
                                     "1");
  ASSERT_EQ(plan.ambients.size(), 1u);
  EXPECT_EQ(plan.ambients[0].ambient, 3);
  EXPECT_TRUE(plan.effects.empty());
  EXPECT_EQ(plan.cameraSpeedX, 0);
}

TEST_F(EffectPreviewTest, StartsTheEffectEveryNFramesAtTheScreenPoint) {
  SetParticleScreen(1280, 720);
  SetParticleCamera(1000, 500);
  CameraX = 1000;
  CameraY = 500;
  const auto effect = TParticleInfo::Create("Puff", 100000, 100000, 0, 0, 0, 0, 0, false);
  StartEffectPreview(ParsePreviewPlan("", "Puff:64:36:3:45", ""));
  for (int i = 0; i < 7; ++i) RunEffectPreview();
  ASSERT_EQ(ParticleCount(), 3u);  // frames 0, 3 and 6
  const auto first = Particles().particles->First();
  EXPECT_FLOAT_EQ(first->Pos[0], 1064);
  EXPECT_FLOAT_EQ(first->Pos[1], 536);
  EXPECT_FLOAT_EQ(first->Direction, 45);
}

TEST_F(EffectPreviewTest, MovingPointStartsOverWhenItLeavesTheScreen) {
  GfxWidth = 100;
  GfxHeight = 100;
  SetParticleScreen(100, 100);
  SetFrame(100);
  TParticleInfo::Create("Trail", 100000, 100000, 0, 0, 0, 0, 0, false);
  StartEffectPreview(ParsePreviewPlan("", "Trail:50:90:1:0:400", ""));  // 40 pixels up per frame
  for (int i = 0; i < 4; ++i) RunEffectPreview();
  std::vector<float> ys;
  for (const auto& p : *Particles().particles) ys.push_back(p->Pos[1]);
  EXPECT_EQ(ys, (std::vector<float>{90, 50, 10, 90}));
}

TEST_F(EffectPreviewTest, CrossFadesBetweenAmbients) {
  CreateAmbients();
  StartEffectPreview(ParsePreviewPlan("1,4@2", "", "30:0"));
  SetFrame(100);
  RunEffectPreview();
  EXPECT_TRUE(Ambients[1]->Active);
  EXPECT_EQ(Ambients[1]->FadeInOrOut, 1);
  RunEffectPreview();
  RunEffectPreview();
  EXPECT_EQ(Ambients[1]->FadeInOrOut, 2);
  EXPECT_TRUE(Ambients[4]->Active);
  EXPECT_FLOAT_EQ(CameraFocusX, 9);
}

}  // namespace
}  // namespace tolvex::test
