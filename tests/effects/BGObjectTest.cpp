// Background objects: depth, fading, movement, removal and drawing order.
#include <gtest/gtest.h>

#include "EffectsTestEnv.h"
#include "core/Globals.h"
#include "effects/TBGObject.h"
#include "platform/Graphics.h"

namespace tolvex::test {
namespace {

class BGObjectTest : public EffectsTest {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    GfxWidth = 200;
    GfxHeight = 100;
  }
};

TEST_F(BGObjectTest, DepthBelowOneStartsAtOne) {
  const auto o = TBGObject::Create(SolidImage(30, 40, 0xFFFFFFFF), 10, 20, 0.5f, 45);
  EXPECT_EQ(o->z, 1);
  EXPECT_EQ(o->rotation, 45);
  EXPECT_TRUE(o->zfadeactive);
  EXPECT_EQ(o->startfadez, 3.5f);
  EXPECT_EQ(o->endfadez, 4);
  EXPECT_FALSE(o->static_);
  EXPECT_FLOAT_EQ(o->radius, 25);
  EXPECT_EQ(TBGObject::List().Count(), 1u);
}

TEST_F(BGObjectTest, DepthPullsTowardsTheScreenCentre) {
  CameraX = 50;
  CameraY = -10;
  const auto o = TBGObject::Create(nullptr, 350, 140, 2, 0);
  EXPECT_FLOAT_EQ(o->GetX(), (350 - 50 - 100) / 2.0f + 100);
  EXPECT_FLOAT_EQ(o->GetY(), (140 + 10 - 50) / 2.0f + 50);
}

TEST_F(BGObjectTest, MovesTurnsAndSinks) {
  SetFrame(100);
  const auto o = TBGObject::Create(nullptr, 100, 50, 2, 0);
  o->direction = 140;
  o->SetSpeed(100, 0.5f, 100, 20);
  TBGObject::ProcessAll();
  EXPECT_FLOAT_EQ(o->rotation, 2);
  EXPECT_FLOAT_EQ(o->direction, 150);
  // It turns first, then flies 100 / 10 / z = 5 px at 150°, down and to the right:
  // x + sin 150 × 5 = 102.5, y − cos 150 × 5 = 54.330.
  EXPECT_NEAR(o->x, 102.5f, 1e-4);
  EXPECT_NEAR(o->y, 54.330f, 1e-3);
  EXPECT_FLOAT_EQ(o->z, 2.05f);
}

TEST_F(BGObjectTest, RemovedBeyondDepthFour) {
  SetFrame(100);
  const auto o = TBGObject::Create(SolidImage(4, 4, 0xFFFFFFFF), 100, 50, 3.9f, 0);
  o->SetSpeed(0, 1, 0, 0);
  TBGObject::ProcessAll();  // exactly 4: stays
  EXPECT_EQ(TBGObject::List().Count(), 1u);
  TBGObject::ProcessAll();
  EXPECT_EQ(TBGObject::List().Count(), 0u);
  EXPECT_EQ(o->image, nullptr);
}

TEST_F(BGObjectTest, StaticObjectsStayOffScreenAndDeep) {
  SetFrame(100);
  const auto o = TBGObject::Create(nullptr, -5000, 50, 5, 0);
  o->SetStatic(true);
  EXPECT_FALSE(o->zfadeactive);
  TBGObject::ProcessAll();
  EXPECT_EQ(TBGObject::List().Count(), 1u);
  const auto far = TBGObject::Create(nullptr, 100 - 2 * 200 - 1, 50, 1, 0);
  TBGObject::ProcessAll();
  EXPECT_EQ(TBGObject::List().Count(), 1u);
  EXPECT_FALSE(far->_link->Linked());
}

TEST_F(BGObjectTest, OffScreenLimitIsOneScreenAround) {
  const auto inside = TBGObject::Create(nullptr, -200, 200, 1, 0);
  const auto outside = TBGObject::Create(nullptr, 400, 200.5f, 1, 0);
  TBGObject::ProcessAll();
  EXPECT_TRUE(inside->_link->Linked());
  EXPECT_FALSE(outside->_link->Linked());
}

TEST_F(BGObjectTest, TimedFadeRemovesTheObject) {
  SetFrame(100);
  const auto o = TBGObject::Create(nullptr, 100, 50, 1, 0);
  o->SetFadeRemove(200);
  TBGObject::ProcessAll();
  EXPECT_EQ(o->faderemovetime, 100);
  EXPECT_TRUE(o->_link->Linked());
  TBGObject::ProcessAll();
  EXPECT_FALSE(o->_link->Linked());
}

TEST_F(BGObjectTest, AtDepthThreeAndThreeQuartersHalfFadedAndShrunk) {
  OpenScreen(200, 100);
  // 30 × 30 white, centred on the screen: drawn 8 × 8 at alpha 0.5.
  const auto image = SolidImage(30, 30, 0xFFFFFFFF);
  CentreHandle(image);
  TBGObject::Create(image, 100, 50, 3.75f, 0);
  SetBlend(kBlendAlpha);
  TBGObject::DrawAll();
  EXPECT_FLOAT_EQ(CurrentDrawState().alpha, 0.5f);
  EXPECT_EQ(CurrentDrawState().scaleX, 1);  // reset after drawing
  EXPECT_NEAR(static_cast<int>(ScreenPixel(100, 50) & 255), 128, 2);
  EXPECT_NEAR(static_cast<int>(ScreenPixel(103, 53) & 255), 128, 2);
  EXPECT_EQ(ScreenPixel(106, 50) & 255, 0u);
  EXPECT_EQ(ScreenPixel(100, 45) & 255, 0u);
}

TEST_F(BGObjectTest, DeeperObjectsAreDrawnFirst) {
  OpenScreen(200, 100);
  const auto green = SolidImage(10, 10, 0xFF00FF00);
  const auto red = SolidImage(10, 10, 0xFFFF0000);
  CentreHandle(green);
  CentreHandle(red);
  TBGObject::Create(green, 100, 50, 1, 0);
  TBGObject::Create(red, 100, 50, 1.01f, 0);
  SetBlend(kBlendAlpha);
  TBGObject::DrawAll();
  EXPECT_EQ(ScreenPixel(100, 50) & 0xFFFFFF, 0x00FF00u);
}

TEST_F(BGObjectTest, CompareOrdersByDepth) {
  const auto a = TBGObject::Create(nullptr, 0, 0, 2, 0);
  const auto b = TBGObject::Create(nullptr, 0, 0, 3, 0);
  const auto c = TBGObject::Create(nullptr, 0, 0, 2, 0);
  EXPECT_EQ(a->compare(*b), 1);
  EXPECT_EQ(b->compare(*a), -1);
  EXPECT_EQ(a->compare(*c), 0);
  EXPECT_EQ(a->compare(*a), 0);
}

TEST_F(BGObjectTest, StaticObjectsAreDrawnUnscaled) {
  OpenScreen(200, 100);
  const auto image = SolidImage(30, 30, 0xFFFFFFFF);
  CentreHandle(image);
  const auto o = TBGObject::Create(image, 100, 50, 3, 0);
  o->SetStatic(true);
  SetBlend(kBlendAlpha);
  TBGObject::DrawAll();
  EXPECT_EQ(ScreenPixel(112, 50) & 0xFFFFFF, 0xFFFFFFu);
}

}  // namespace
}  // namespace tolvex::test
