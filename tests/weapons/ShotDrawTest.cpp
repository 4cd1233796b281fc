#include <gtest/gtest.h>

#include <array>

#include "WeaponsWorld.h"
#include "platform/Graphics.h"

namespace tolvex::testing {
namespace {

// Shots, rockets and the shield glow drawn on the software renderer and read back.
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
  // The colour (0xRRGGBB) at (x, y) after drawing one object over a plain background.
  static std::uint32_t ColourAfterDrawing(TGObject& object, int x, int y, std::uint32_t background) {
    ResetDrawState();
    SetColor(background >> 16 & 255, background >> 8 & 255, background & 255);
    DrawRect(0, 0, 1280, 720);
    ResetDrawState();
    object.Draw();
    return GrabPixmap(x, y, 1, 1).At(0, 0) & 0xFFFFFFu;
  }
  // Red channel at (x, y) after drawing one object over black.
  static int RedAfterDrawing(TGObject& object, int x, int y) { return int(ColourAfterDrawing(object, x, y, 0) >> 16); }
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

TEST_F(ShotDrawTest, TurnedShotsPointWhereTheyFly) {
  // The software renderer draws turned shots from sprites turned ahead: they must still
  // point along their direction, drawn in full, and fade as upright ones do.
  const TShotPtr shot = ShotAt("DL-T", 100, 100, 1000);
  shot->Direction = 90;
  EXPECT_EQ(RedAfterDrawing(*shot, 110, 100), 255);
  EXPECT_EQ(RedAfterDrawing(*shot, 100, 90), 0);
  shot->Direction = 180.4f;
  EXPECT_EQ(RedAfterDrawing(*shot, 100, 110), 255);
  shot->Direction = 270;
  shot->LiveTime = 100;
  EXPECT_NEAR(RedAfterDrawing(*shot, 90, 100), 128, 3);
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

TEST_F(ShotDrawTest, PlasmaRocketsAreLightTheOthersCoverTheBackground) {
  // A red sprite over green: light (kinds 0 and 3) adds to the green, alpha (1 and 2) hides it.
  constexpr std::array<std::uint32_t, 4> kExpected{0xFFC800, 0xFF0000, 0xFF0000, 0xFFC800};
  const ImagePtr red = SolidImage(6, 16, 3, 8, 0xFFFF0000u);
  RocketImages = {red, red, red, red};
  for (std::uint8_t kind = 0; kind < 4; ++kind) {
    const TRocketPtr rocket = TRocket::Create(ship_, 0, 100, nullptr, kind);
    rocket->X = 300, rocket->Y = 200;
    EXPECT_EQ(ColourAfterDrawing(*rocket, 300, 200, 0x00C800), kExpected[kind]) << int(kind);
  }
}

TEST_F(ShotDrawTest, TheShieldGlowIsBlueLightAddedAroundTheHull) {
  const TShipPtr ship = MakeShip(300, 200);
  ship->Image = SolidImage(100, 100, 50, 50);
  ship->BONUS_Shield = 1000;
  ship->shieldhit = 1;
  // 57 px right of the centre only the outer glow (scale 1.2, 60 px) lies: (0, 100, 255) added to red.
  EXPECT_EQ(ColourAfterDrawing(*ship, 357, 200, 0xC80000), 0xC864FFu);
  ship->shieldhit = 0;  // no hit yet: the shield is invisible
  EXPECT_EQ(ColourAfterDrawing(*ship, 357, 200, 0xC80000), 0xC80000u);
}

}  // namespace
}  // namespace tolvex::testing
