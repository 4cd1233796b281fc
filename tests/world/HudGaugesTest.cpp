// The rocket arc and the two gauges, read back from the software renderer.
#include "HudFixture.h"
#include "platform/Clock.h"

namespace tolvex {
namespace {

using HudGaugesTest = HudTest;

constexpr float kSlot = 90.0f / 13;

// Screen point at bearing a (degrees) and radius r around the arc's centre (W/2, H − 100).
HudTest::Centre OnArc(float a, float r) {
  return {HudTest::kW / 2 + r * SinDeg(a), HudTest::kH - 100 - r * CosDeg(a)};
}
// The middle of slot j (0..11) of the arc.
HudTest::Centre Slot(float j, float r = 120) { return OnArc((j + 1) * kSlot - 45, r); }

TEST_F(HudGaugesTest, RocketIconsTakeTheirTypesSlotsAndMoreThanThreeShowACount) {
  ResetHudImages();  // the icons (the rockets' own sprites) alone
  SelectFont(GameFont);
  player_->Rockets = {3, 7, 1, 0};
  player_->HUD_DrawRockets();
  const Pixmap screen = Screen();
  auto iconAt = [&](HudTest::Centre c) { return CountNear(screen, c.x, c.y, 3) >= 12; };
  auto emptyAt = [&](HudTest::Centre c) { return CountNear(screen, c.x, c.y, 3) == 0; };
  // Type 0, three rockets: −45 + s, −45 + 2s, −45 + 3s.
  EXPECT_TRUE(iconAt(Slot(0)) && iconAt(Slot(1)) && iconAt(Slot(2)));
  // Type 1, seven rockets: one icon at −45 + 4.5s with "7" beside it.
  EXPECT_TRUE(iconAt(Slot(3.5f)));
  const HudTextLine* count = Text("7");
  ASSERT_NE(count, nullptr);
  EXPECT_NEAR(count->x, Slot(3.5f).x + 10, 1e-3);
  EXPECT_NEAR(count->y, Slot(3.5f).y, 1e-3);
  // Type 2, one rocket: the middle slot only; type 3, none.
  EXPECT_TRUE(emptyAt(Slot(6)) && iconAt(Slot(7)) && emptyAt(Slot(8)));
  EXPECT_TRUE(emptyAt(Slot(9)) && emptyAt(Slot(10)) && emptyAt(Slot(11)));
  EXPECT_EQ(HudShown().texts.size(), 1u) << "only a count of four or more is written";
}

TEST_F(HudGaugesTest, SelectionMarkSitsUnderTheFirstIconOfTheSelectedType) {
  KeepOnly(&HudImageSet::rocketSelected);
  player_->Rockets = {3, 2, 0, 0};
  player_->SelectedRockets = 1;
  player_->HUD_DrawRockets();
  const Centre mark = LitCentre(Screen(), kW / 2 - 160, kH - 260, kW / 2 + 160, kH - 150);
  // Two rockets of type 1 sit at −45 + 4.5s and −45 + 5.5s: the mark under the first, 105 px out.
  const Centre expected = Slot(3.5f, 105), second = Slot(4.5f, 105), type0 = Slot(0, 105);
  EXPECT_LT(std::hypot(mark.x - expected.x, mark.y - expected.y), 3.0f);
  EXPECT_GT(std::hypot(mark.x - second.x, mark.y - second.y), 9.0f);
  EXPECT_GT(std::hypot(mark.x - type0.x, mark.y - type0.y), 9.0f);
}

TEST_F(HudGaugesTest, DrawHudPutsTheRadarAndTheRocketArcAtTheBottomCentreOfEveryScreen) {
  // One image at a time in its slot, all others gone; rocket type 2 holds one rocket, which sits
  // in the type's middle slot, 120 px from (W/2, H − 100).
  struct Spot {
    ImagePtr* slot;
    ImagePtr image;
    float dx, dy, rotation;  // from (W/2, H)
    int reach;
  };
  const float a = 8 * kSlot - 45;
  const std::vector<Spot> spots = {
      {&HudImages.radar, HudImages.radar, 0, -100, 0, 99},
      {&HudImages.rocketArc, HudImages.rocketArc, 0, -208, 0, 111},
      {&RocketImages[2], RocketImages[2], 120 * SinDeg(a), -100 - 120 * CosDeg(a), a, 14}};
  player_->Rockets = {0, 0, 1, 0};
  ResetGameFonts();  // no texts
  for (const auto& [w, h] : {std::pair{kW, kH}, std::pair{800, 600}}) {
    UseScreen(w, h);
    for (const Spot& spot : spots) {
      ResetHudImages();
      ResetWeaponImages();
      *spot.slot = spot.image;
      const float x = static_cast<float>(w / 2) + spot.dx, y = static_cast<float>(h) + spot.dy;
      auto centre = [&] {
        return LitCentre(Screen(), static_cast<int>(x) - spot.reach, static_cast<int>(y) - spot.reach,
                         static_cast<int>(x) + spot.reach, static_cast<int>(y) + spot.reach);
      };
      Cls();
      player_->DrawHUD();
      const Centre drawn = centre();
      Cls();
      SetBlend(kBlendAlpha);
      SetRotation(spot.rotation);
      DrawImage(spot.image, x, y);
      SetRotation(0);
      const Centre alone = centre();
      EXPECT_LT(std::hypot(drawn.x - alone.x, drawn.y - alone.y), 1.0f) << w << "x" << h << " at " << x << ", " << y;
    }
  }
}

// One frame of a gauge strip drawn whole, as the gauge draws it (additive, white).
Pixmap FrameAlone(const ImagePtr& strip, int x0, int frame) {
  Cls();
  SetBlend(kBlendLight);
  SetColor(255, 255, 255);
  DrawImage(strip, static_cast<float>(x0), HudTest::kH - kGaugeHeight, frame);
  return HudTest::Screen();
}

// Row by row, the gauge shows exactly its filled frame from row Trunc(H − 158 f) down and its
// empty frame above; past full it stays full.
void ExpectGaugeFilled(const Pixmap& gauge, const Pixmap& filled, const Pixmap& empty, int x0, float f) {
  const int level = static_cast<int>(HudTest::kH - kGaugeHeight * std::min(f, 1.0f));
  int wrong = 0;
  for (int y = HudTest::kH - kGaugeHeight; y < HudTest::kH; ++y)
    for (int x = x0; x < x0 + kGaugeWidth; ++x) wrong += gauge.At(x, y) != (y >= level ? filled : empty).At(x, y);
  EXPECT_EQ(wrong, 0) << "f = " << f;
}

TEST_F(HudGaugesTest, GaugesFillFromTheBottomInProportion) {
  SetFont(nullptr);  // the numbers above the gauges are not looked at here
  const int speedX = kW / 2 - 147, hpX = kW / 2 + 50;
  const Pixmap speedFull = FrameAlone(HudImages.speedGauge, speedX, 1);
  const Pixmap speedEmpty = FrameAlone(HudImages.speedGauge, speedX, 0);
  const Pixmap hpFull = FrameAlone(HudImages.hpGauge, hpX, 0);
  const Pixmap hpEmpty = FrameAlone(HudImages.hpGauge, hpX, 1);
  ASSERT_NE(speedFull.pixels, speedEmpty.pixels);
  for (const float f : {0.0f, 0.25f, 0.5f, 0.8f, 1.0f, 1.3f}) {
    player_->HP_max = 120;
    player_->HP = std::min(120 * f, 120.0f);
    player_->Speed = player_->Enginespeed * f;
    Cls();
    player_->HUD_DrawSpeed();
    ExpectGaugeFilled(Screen(), speedFull, speedEmpty, speedX, f);
    Cls();
    player_->HUD_DrawHP();
    ExpectGaugeFilled(Screen(), hpFull, hpEmpty, hpX, f);
    EXPECT_FLOAT_EQ(HudShown().speedGauge, std::min(f, 1.0f));
    EXPECT_EQ(CurrentDrawState().viewWidth, kW) << "the viewport goes back to the whole screen";
  }
}

}  // namespace
}  // namespace tolvex
