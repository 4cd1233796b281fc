// The radar's dots: their places and colours on a bare screen.
#include "HudFixture.h"
#include "weapons/TGun.h"
#include "weapons/TRocket.h"
#include "weapons/TShot.h"

namespace tolvex {
namespace {

class HudRadarTest : public HudTest {
 protected:
  static constexpr float kX = 200, kY = 200;
  // 5000 world pixels map to 95 radar pixels.
  static constexpr float kScale = 95.0f / 5000;

  void SetUp() override {
    HudTest::SetUp();
    ResetHudImages();  // a black disc, so only the dots light up
    enemy_ = MakeShip(50, 15, 16, kKIEnemy, 0, 6000);
  }

  static TRocketPtr Rocket(float x, float y, const TShipPtr& source, const TShipPtr& target) {
    auto rocket = std::make_shared<TRocket>();
    rocket->X = x, rocket->Y = y;
    rocket->Source = source;
    rocket->Target = target;
    rocket->MeltWithUniverse();
    return rocket;
  }
  static TShotPtr Shot(float x, float y, const TShipPtr& firer) {
    auto gun = std::make_shared<TGun>();
    gun->Ship = firer;
    auto shot = std::make_shared<TShot>();
    shot->X = x, shot->Y = y;
    shot->Source = gun;
    shot->MeltWithUniverse();
    return shot;
  }
  // The world offset that lands a quarter pixel into radar pixel n, clear of rounding either way.
  static float W(int n) { return (static_cast<float>(n) + 0.25f) / kScale; }
  // The colour of radar pixel (n, m) from the centre.
  static std::uint32_t DotAt(const Pixmap& screen, int n, int m) {
    return screen.At(static_cast<int>(kX) + n, static_cast<int>(kY) + m) & 0xFFFFFF;
  }

  TShipPtr enemy_;
};

TEST_F(HudRadarTest, DotColoursTellSidesAndHunters) {
  Rocket(W(-40), W(0), player_, enemy_);
  Rocket(W(40), W(0), enemy_, player_);
  Rocket(W(0), W(-40), enemy_, enemy_);
  const TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, W(0), W(40));
  player_->AddBuddy(buddy);
  Shot(W(-30), W(-30), buddy);
  const TShipPtr hunter = MakeShip(50, 15, 16, kKIEnemy, W(30), W(-30));
  hunter->KI_target = player_;
  Shot(W(-30), W(30), hunter);
  const TShipPtr target = MakeShip(50, 15, 16, kKIEnemy, W(30), W(30));
  player_->KI_target = target;
  MakeShip(50, 15, 16, kKIEnemy, W(15), W(40));
  player_->HUD_DrawRadar(kX, kY);
  const Pixmap screen = Screen();
  EXPECT_EQ(DotAt(screen, 0, 0), 0x00FF00u) << "our own ship";
  EXPECT_EQ(DotAt(screen, -40, 0), 0x00FF00u) << "our rocket";
  EXPECT_EQ(DotAt(screen, 40, 0), 0xFF0000u) << "a rocket aimed at us";
  EXPECT_EQ(DotAt(screen, 0, -40), 0xFFFF00u) << "someone else's rocket";
  EXPECT_EQ(DotAt(screen, 0, 40), 0x00FF00u) << "our wingman";
  EXPECT_EQ(DotAt(screen, 30, -30), 0xFF0000u) << "an enemy hunting us";
  EXPECT_EQ(DotAt(screen, 15, 40), 0xFFFF00u) << "an enemy after someone else";
  EXPECT_EQ(DotAt(screen, 30, 30), 0xFFFF00u) << "our target, not hunting us";
  // Shots are half as bright.
  EXPECT_NEAR(Green(DotAt(screen, -30, -30)), 128, 2) << "the wingman's shot";
  EXPECT_EQ(Red(DotAt(screen, -30, -30)), 0);
  EXPECT_NEAR(Red(DotAt(screen, -30, 30)), 128, 2) << "an enemy's shot";
  EXPECT_EQ(Green(DotAt(screen, -30, 30)), 0);
  // Our target is ringed white at its upper left; other ships are not.
  EXPECT_GT(Blue(DotAt(screen, 29, 29)), 150);
  EXPECT_EQ(Blue(DotAt(screen, 29, -31)), 0);

  // A target that hunts us is red, on a pink ring.
  target->KI_target = player_;
  Cls();
  player_->HUD_DrawRadar(kX, kY);
  const Pixmap again = Screen();
  EXPECT_EQ(DotAt(again, 30, 30), 0xFF0000u);
  EXPECT_EQ(Red(DotAt(again, 29, 29)), 255);
  EXPECT_GT(Green(DotAt(again, 29, 29)), 80);
  hunter->KI_target.reset();
  target->KI_target.reset();
}

TEST_F(HudRadarTest, DotsFadeOverTheOuterHalfAndVanishAtTheRange) {
  MakeShip(50, 15, 16, kKIEnemy, W(47), 0);
  MakeShip(50, 15, 16, kKIEnemy, 0, 3750);  // 71.25 radar pixels down, a quarter of the range left
  MakeShip(50, 15, 16, kKIEnemy, -5000, 0);
  player_->HUD_DrawRadar(kX, kY);
  const Pixmap screen = Screen();
  EXPECT_EQ(DotAt(screen, 47, 0), 0xFFFF00u);
  // A quarter as bright (over its own fainter halo).
  EXPECT_GE(Red(DotAt(screen, 0, 71)), 64);
  EXPECT_LT(Red(DotAt(screen, 0, 71)), 100);
  EXPECT_EQ(CountNear(screen, kX - 95, kY, 4), 0) << "at the range itself nothing shows";
}

}  // namespace
}  // namespace tolvex
