#pragma once
// A test with an offscreen software-rendered screen and the game-layout test font.
#include <gtest/gtest.h>

#include "TestFont.h"
#include "platform/Graphics.h"
#include "ui/FontCandy.h"

namespace tolvex::test {

class ScreenTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 320;
  static constexpr int kHeight = 240;

  void SetUp() override {
    ASSERT_TRUE(OpenHeadlessScreen(kWidth, kHeight));
    ResetDrawState();
    Cls();
    font_ = LoadFontCandyFont(WriteGameFont(folder_, "font"), kFontStyleSmooth, 0);
    ASSERT_TRUE(font_);
  }
  void TearDown() override {
    SetFont(nullptr);
    ResetDrawState();
    CloseScreen();
  }

  // The back buffer's colour at a pixel, 0xRRGGBB.
  static std::uint32_t ScreenRGB(int x, int y) { return GrabPixmap(x, y, 1, 1).At(0, 0) & 0xFFFFFFu; }

  TempFolder folder_;
  TVizazIrudPtr font_;
};

}  // namespace tolvex::test
