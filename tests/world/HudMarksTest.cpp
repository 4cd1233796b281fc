// The marks the HUD draws around the ship: the circling arrows, the aiming line and the pointer.
#include "HudFixture.h"

namespace tolvex {
namespace {

using HudMarksTest = HudTest;

constexpr int kCx = HudTest::kW / 2, kCy = HudTest::kH / 2;

bool Orange(std::uint32_t p) { return HudTest::Red(p) > 120 && HudTest::Red(p) > HudTest::Green(p) + 40; }
bool Greenish(std::uint32_t p) { return HudTest::Green(p) > 120 && HudTest::Green(p) > HudTest::Red(p) + 40; }

// Where the target arrow is drawn for a target straight to the right of the ship.
HudTest::Centre TargetArrowAt(float distance) {
  const TShipPtr target = ShipWorldTest::MakeShip(50, 15, 16, kKIEnemy, distance, 0);
  Player->KI_target = target;
  Cls();
  Player->DrawHUD();
  target->Remove();
  return HudTest::LitCentre(HudTest::Screen(), kCx - 20, kCy - 40, kCx + 260, kCy + 40);
}

TEST_F(HudMarksTest, TargetArrowCirclesFartherWithDistanceUpToItsLimit) {
  KeepOnly(&HudImageSet::targetArrow);
  const float reach = kW - 150, limit = kH / 2 - 150;  // 1130 px away the arrow reaches 210 px out
  const Centre atLimit = TargetArrowAt(reach), beyond = TargetArrowAt(4000), half = TargetArrowAt(reach / 2);
  EXPECT_NEAR(beyond.x, atLimit.x, 0.5f);
  EXPECT_NEAR(atLimit.x - half.x, limit / 2, 1.0f);
  EXPECT_NEAR(atLimit.y, kCy, 1.0f);
  // The arrow is centred on its circle: at the limit it lies about 210 px right of the ship.
  EXPECT_NEAR(atLimit.x, kCx + limit, 4.0f);
}

TEST_F(HudMarksTest, ArrowsPointAtTargetAndWingmanEachOnItsOwn) {
  const TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, 0, -3000);
  player_->AddBuddy(buddy);
  player_->DrawHUD();
  Pixmap screen = Screen();
  // The wingman straight up: a green arrow 210 px above the ship, no orange target arrow anywhere.
  EXPECT_GT(CountNear(screen, kCx, kCy - 210, 8, Greenish), 10);
  EXPECT_EQ(Count(screen, kCx - 250, kCy - 250, kCx + 250, kCy + 250, Orange), 0);

  const TShipPtr target = MakeShip(50, 15, 16, kKIEnemy, -3000, 0);
  player_->KI_target = target;
  Cls();
  player_->DrawHUD();
  screen = Screen();
  EXPECT_GT(CountNear(screen, kCx - 210, kCy, 8, Orange), 10);
  EXPECT_GT(CountNear(screen, kCx, kCy - 210, 8, Greenish), 10);
}

TEST_F(HudMarksTest, AimingMarksOnlyBeyond50PixelsMoreTheFartherThePointer) {
  KeepOnly(&HudImageSet::aimCrossArrow);
  auto marksWithCursorAt = [&](float dx) {
    CursorX = kCx + dx, CursorY = kCy;
    Cls();
    player_->DrawHUD();
    return Screen();
  };
  Pixmap screen = marksWithCursorAt(50);
  EXPECT_EQ(Count(screen, kCx - 10, kCy - 10, kCx + 60, kCy + 10), 0);
  screen = marksWithCursorAt(51);  // two parts: one mark half way
  EXPECT_GT(CountNear(screen, kCx + 25.5f, kCy, 3), 0);
  screen = marksWithCursorAt(450);  // three parts: marks at a third and two thirds, none half way
  EXPECT_GT(CountNear(screen, kCx + 150, kCy, 3), 0);
  EXPECT_GT(CountNear(screen, kCx + 300, kCy, 3), 0);
  EXPECT_EQ(CountNear(screen, kCx + 225, kCy, 3), 0);
}

TEST_F(HudMarksTest, PointerSpinsAt50DegreesASecondAroundTheCursor) {
  CursorX = 300, CursorY = 200;
  CursorSpin = 359.8f;
  SetFrame(10);
  player_->DrawHUD();
  EXPECT_NEAR(CursorSpin, 0.3f, 1e-3f);
  const Pixmap screen = Screen();
  EXPECT_GT(CountNear(screen, 300, 200, 16), 20);
  EXPECT_EQ(Count(screen, 330, 150, 400, 250), 0);
}

}  // namespace
}  // namespace tolvex
