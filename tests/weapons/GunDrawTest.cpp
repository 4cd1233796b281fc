#include <gtest/gtest.h>

#include "WeaponsWorld.h"
#include "platform/Graphics.h"

namespace tolvex::testing {
namespace {

constexpr std::uint32_t kFar = 0xFFFF0000u;   // colour of the far marker in this test
constexpr std::uint32_t kNear = 0xFF00FF00u;  // colour of the near marker

ImagePtr Marker(std::uint32_t colour) {
  Pixmap pixmap(5, 5);
  for (auto& pixel : pixmap.pixels) pixel = colour;
  ImagePtr image = CreateImageFromPixmap(std::move(pixmap));
  CentreHandle(image);
  return image;
}

// The aim-help marker of a manual gun, drawn on the software renderer and read back.
class GunDrawTest : public WeaponsWorld {
 protected:
  void SetUp() override {
    WeaponsWorld::SetUp();
    ASSERT_TRUE(OpenHeadlessScreen(1280, 720));
    AutoAimArrows = {Marker(kFar), Marker(kNear)};
    MakeGunType("DL-T", 1, 1000, 2000, 100);  // range 2100
    ship_ = MakeShip(0, 0);
    ship_->AimHelp = true;
    gun_ = TGun::Create(ship_, 0, 0, "DL-T", kGunManual);
    CameraX = -640;
    CameraY = -360;
  }
  void TearDown() override {
    CloseScreen();
    WeaponsWorld::TearDown();
  }
  // Draws the gun over black and returns the pixel at screen (x, y).
  std::uint32_t DrawAndRead(int x, int y) {
    ResetDrawState();
    Cls();
    SetBlend(kBlendSolid);
    gun_->Draw();
    return GrabPixmap(x, y, 1, 1).At(0, 0) | 0xFF000000u;
  }
  TShipPtr ship_;
  TGunPtr gun_;
};

TEST_F(GunDrawTest, FarTargetsAreMarkedAtAThirdOfTheScreenHeight) {
  ship_->KI_target = MakeShip(0, -500);
  EXPECT_EQ(DrawAndRead(640, 360 - 240), kFar);
  EXPECT_NE(DrawAndRead(640, 360 - 500), kFar);
}

TEST_F(GunDrawTest, NearTargetsAreMarkedWhereToAim) {
  ship_->KI_target = MakeShip(0, -100);
  EXPECT_EQ(DrawAndRead(640, 360 - 100), kNear);
  EXPECT_NE(DrawAndRead(640, 360 - 240), kFar);
}

TEST_F(GunDrawTest, MarkerAllowsForTheShipsDrift) {
  ship_->KI_target = MakeShip(0, -100);
  // Moving right at 1 px per 1/70 s: the shot drifts 10 px right over its 0.1 s flight.
  ship_->Speed_x = 1;
  ship_->Speed = 1;
  ship_->Direction = 90;
  EXPECT_EQ(DrawAndRead(640 - 7, 360 - 100), kNear);
}

TEST_F(GunDrawTest, NoMarkerOutOfRangeOrWithoutAimHelp) {
  ship_->KI_target = MakeShip(0, -2200);
  EXPECT_NE(DrawAndRead(640, 360 - 240), kFar);
  ship_->KI_target = MakeShip(0, -100);
  ship_->AimHelp = false;
  EXPECT_NE(DrawAndRead(640, 360 - 100), kNear);
}

}  // namespace
}  // namespace tolvex::testing
