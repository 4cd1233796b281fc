// Drawn text on the software renderer: glyphs land where the metrics put
// them, tinted, faded, scaled and rotated by the drawing state.
#include <gtest/gtest.h>

#include "ScreenFixture.h"

namespace tolvex {
namespace {

using TextDrawingTest = test::ScreenTest;

TEST_F(TextDrawingTest, GlyphsAreTintedAndPlacedByTheirAdvances) {
  SetFont(font_.get());
  SetBlend(kBlendAlpha);
  SetColor(255, 0, 0);
  DrawText("i A", 20, 30);
  // "i" covers x 20..22, the blank 23..30 draws nothing, "A" covers 31..40; all 16 rows high.
  EXPECT_EQ(ScreenRGB(20, 30), 0xFF0000u);
  EXPECT_EQ(ScreenRGB(22, 45), 0xFF0000u);
  EXPECT_EQ(ScreenRGB(23, 35), 0u);
  EXPECT_EQ(ScreenRGB(30, 35), 0u);
  EXPECT_EQ(ScreenRGB(31, 35), 0xFF0000u);
  EXPECT_EQ(ScreenRGB(40, 35), 0xFF0000u);
  EXPECT_EQ(ScreenRGB(41, 35), 0u);
  EXPECT_EQ(ScreenRGB(31, 46), 0u);
  EXPECT_EQ(ScreenRGB(19, 35), 0u);
  EXPECT_EQ(ScreenRGB(31, 29), 0u);
}

TEST_F(TextDrawingTest, TheBackgroundOfTheTextureStaysTransparent) {
  // Solid white screen, then black text: the gaps between glyphs stay white.
  SetColor(255, 255, 255);
  DrawRect(0, 0, kWidth, kHeight);
  SetFont(font_.get());
  SetBlend(kBlendAlpha);
  SetColor(0, 0, 255);
  DrawText("i\"i", 100, 100);  // the quote has no glyph and takes no room
  EXPECT_EQ(ScreenRGB(101, 105), 0x0000FFu);
  EXPECT_EQ(ScreenRGB(104, 105), 0x0000FFu);  // the second "i" starts at 103
  EXPECT_EQ(ScreenRGB(106, 105), 0xFFFFFFu);
  EXPECT_EQ(ScreenRGB(101, 117), 0xFFFFFFu);
}

TEST_F(TextDrawingTest, AlphaFadesTheText) {
  SetFont(font_.get());
  SetBlend(kBlendAlpha);
  SetColor(0, 255, 0);
  SetAlpha(0.5f);
  DrawText("M", 50, 50);
  const std::uint32_t green = (ScreenRGB(55, 55) >> 8) & 0xFF;
  EXPECT_NEAR(static_cast<int>(green), 128, 3);
  EXPECT_EQ(ScreenRGB(55, 55) & 0xFF00FFu, 0u);
}

TEST_F(TextDrawingTest, ScaleGrowsGlyphsAndAdvancesAboutTheTextOrigin) {
  SetFont(font_.get());
  SetBlend(kBlendAlpha);
  SetScale(2.0f, 2.0f);
  DrawText("ii", 20, 30);
  // Each "i" becomes 6 wide and 32 high; the second starts 6 further right.
  EXPECT_EQ(ScreenRGB(25, 61), 0xFFFFFFu);
  EXPECT_EQ(ScreenRGB(20, 62), 0u);
  EXPECT_EQ(ScreenRGB(30, 40), 0xFFFFFFu);
  EXPECT_EQ(ScreenRGB(32, 40), 0u);
}

TEST_F(TextDrawingTest, RotationTurnsTheTextClockwiseAboutItsOrigin) {
  SetFont(font_.get());
  SetBlend(kBlendAlpha);
  SetRotation(90.0f);
  DrawText("i", 100, 100);
  // Turned a quarter clockwise, the glyph's rows run leftwards from x 100 and its width downwards.
  EXPECT_EQ(ScreenRGB(90, 101), 0xFFFFFFu);
  EXPECT_EQ(ScreenRGB(86, 101), 0xFFFFFFu);
  EXPECT_EQ(ScreenRGB(90, 104), 0u);
  EXPECT_EQ(ScreenRGB(102, 101), 0u);
}

TEST_F(TextDrawingTest, WithoutAFontNothingIsDrawnOrMeasured) {
  SetFont(nullptr);
  SetBlend(kBlendAlpha);
  DrawText("A", 10, 10);
  EXPECT_EQ(ScreenRGB(12, 12), 0u);
  EXPECT_FLOAT_EQ(TextWidth("A"), 0.0f);
}

}  // namespace
}  // namespace tolvex
