#include <gtest/gtest.h>

#include "WeaponsWorld.h"
#include "platform/Graphics.h"

namespace tolvex::testing {
namespace {

// Shots and rockets drawn on the software renderer over black and read back.
class ShotDrawTest : public WeaponsWorld {
 protected:
  void SetUp() override {
    WeaponsWorld::SetUp();
    ASSERT_TRUE(OpenHeadlessScreen(1280, 720));
    MakeGunType("DL-T", 1, 1000, 2000, 100);
    MakeGunType("MG-T", 1, 1000, 180, 100);
    ship_ = MakeShip(5000, 5000);
    CameraX = 0;
    CameraY = 0;
  }
  void TearDown() override {
    CloseScreen();
    WeaponsWorld::TearDown();
  }
  TShotPtr ShotAt(const char* type, float x, float y, int liveTime) {
    const TShotPtr shot = TShot::Create(TGun::Create(ship_, 0, 0, type, kGunManual));
    shot->X = x, shot->Y = y;
    shot->LiveTime = liveTime;
    return shot;
  }
  // Red channel at (x, y) after drawing one object over black.
  static int RedAfterDrawing(TGObject& object, int x, int y) {
    ResetDrawState();
    Cls();
    object.Draw();
    return static_cast<int>((GrabPixmap(x, y, 1, 1).At(0, 0) >> 16) & 255);
  }
  TShipPtr ship_;
};

TEST_F(ShotDrawTest, LongLivedShotsFadeOverTheirLast200Ms) {
  const TShotPtr shot = ShotAt("DL-T", 100, 100, 1000);
  EXPECT_EQ(RedAfterDrawing(*shot, 100, 90), 255);  // the sprite extends forward (up) from the shot
  shot->LiveTime = 100;
  EXPECT_NEAR(RedAfterDrawing(*shot, 100, 90), 128, 3);
  shot->LiveTime = -1;
  EXPECT_EQ(RedAfterDrawing(*shot, 100, 90), 0);
}

TEST_F(ShotDrawTest, ShortLivedShotsFadeOverTheirLastTwentieth) {
  const TShotPtr shot = ShotAt("MG-T", 100, 100, 9);  // fades over 180 / 20 = 9 ms
  EXPECT_EQ(RedAfterDrawing(*shot, 100, 90), 255);
  shot->LiveTime = 3;
  EXPECT_NEAR(RedAfterDrawing(*shot, 100, 90), 85, 3);
}

TEST_F(ShotDrawTest, DoubleDamageShotsShineAtFullStrength) {
  ShineImage = SolidImage(30, 30, 15, 15);
  const TShotPtr shot = ShotAt("DL-T", 100, 100, 50);
  shot->doubleDamage = true;
  // The reddish shine lights the shot's surroundings; the shot itself is drawn unfaded.
  EXPECT_EQ(RedAfterDrawing(*shot, 110, 108), 255);
  EXPECT_EQ(RedAfterDrawing(*shot, 100, 90), 255);
}

TEST_F(ShotDrawTest, RocketsAreDrawnAtTheirPositionRelativeToTheCamera) {
  const TRocketPtr rocket = TRocket::Create(ship_, 0, 100, nullptr, 1);
  rocket->X = 300, rocket->Y = 200;
  EXPECT_EQ(RedAfterDrawing(*rocket, 300, 200), 255);
  CameraX = 100;
  EXPECT_EQ(RedAfterDrawing(*rocket, 300, 200), 0);
  EXPECT_EQ(RedAfterDrawing(*rocket, 200, 200), 255);
}

}  // namespace
}  // namespace tolvex::testing
