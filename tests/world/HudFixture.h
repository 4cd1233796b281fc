#pragma once
// A ship world on a 1280 × 720 software-rendered screen with the HUD's images and fonts: the player
// sits at the screen's centre, and tests read back what the HUD drew, pixel by pixel and as text.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "ShipWorldFixture.h"
#include "platform/Graphics.h"
#include "ui/GameFonts.h"
#include "weapons/WeaponImages.h"
#include "world/HudImages.h"
#include "world/HudRecord.h"

namespace tolvex {

class HudTest : public ShipWorldTest {
 public:
  static constexpr int kW = 1280, kH = 720;

 protected:
  void SetUp() override {
    ShipWorldTest::SetUp();
    ASSERT_TRUE(OpenHeadlessScreen(kW, kH));
    ResetDrawState();
    Cls();
    LoadHudImages();
    LoadWeaponImages();
    LoadGameFonts();
    player_ = MakePlayer(0, 0);
    CameraX = -kW / 2.0f, CameraY = -kH / 2.0f;
    BeginHudFrame(0);
  }
  void TearDown() override {
    ResetGameFonts();
    ResetWeaponImages();
    ResetHudImages();
    ResetDrawState();
    CloseScreen();
    ShipWorldTest::TearDown();
  }


 public:
  // Keeps only the HUD image `keep` (the rocket icons go too), so every lit pixel is that image's.
  static void KeepOnly(ImagePtr HudImageSet::*keep) {
    const ImagePtr image = HudImages.*keep;
    ResetHudImages();
    HudImages.*keep = image;
    ResetWeaponImages();
  }

  // Opens a screen of another size, the player still at its centre.
  static void UseScreen(int width, int height) {
    CloseScreen();
    GfxWidth = width, GfxHeight = height;
    ASSERT_TRUE(OpenHeadlessScreen(width, height));
    CameraX = -static_cast<float>(width / 2), CameraY = -static_cast<float>(height / 2);
  }

  static Pixmap Screen() { return GrabPixmap(0, 0, GfxWidth, GfxHeight); }
  static int Red(std::uint32_t argb) { return static_cast<int>(argb >> 16 & 255); }
  static int Green(std::uint32_t argb) { return static_cast<int>(argb >> 8 & 255); }
  static int Blue(std::uint32_t argb) { return static_cast<int>(argb & 255); }
  static bool Lit(std::uint32_t argb) { return std::max({Red(argb), Green(argb), Blue(argb)}) > 40; }

  // Pixels in the box (x0, y0)..(x1, y1) that pass the test.
  static int Count(const Pixmap& screen, int x0, int y0, int x1, int y1,
                   const std::function<bool(std::uint32_t)>& test = Lit) {
    int n = 0;
    for (int y = std::max(y0, 0); y <= std::min(y1, screen.height - 1); ++y)
      for (int x = std::max(x0, 0); x <= std::min(x1, screen.width - 1); ++x) n += test(screen.At(x, y)) ? 1 : 0;
    return n;
  }
  static int CountNear(const Pixmap& screen, float x, float y, int r,
                       const std::function<bool(std::uint32_t)>& test = Lit) {
    const int cx = static_cast<int>(std::lround(x)), cy = static_cast<int>(std::lround(y));
    return Count(screen, cx - r, cy - r, cx + r, cy + r, test);
  }

  // The brightness-weighted centre of the lit pixels in a box.
  struct Centre {
    float x = 0, y = 0;
  };
  static Centre LitCentre(const Pixmap& screen, int x0, int y0, int x1, int y1) {
    double sx = 0, sy = 0, sw = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) {
        const std::uint32_t p = screen.At(x, y);
        const double w = Red(p) + Green(p) + Blue(p);
        sx += w * x, sy += w * y, sw += w;
      }
    return sw > 0 ? Centre{static_cast<float>(sx / sw), static_cast<float>(sy / sw)} : Centre{-1, -1};
  }

  // The recorded HUD text that starts with `prefix`, or null.
  static const HudTextLine* Text(const std::string& prefix) {
    for (const HudTextLine& line : HudShown().texts)
      if (line.text.rfind(prefix, 0) == 0) return &line;
    return nullptr;
  }


 protected:
  TShipPtr player_;
};

}  // namespace tolvex
