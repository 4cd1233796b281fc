// Drawing on the software renderer, read back pixel by pixel.
#include <gtest/gtest.h>

#include "platform/Graphics.h"

namespace tolvex {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000u, kBlue = 0xFF0000FFu, kWhite = 0xFFFFFFFFu;

std::uint32_t Rgb(std::uint32_t argb) { return argb & 0x00FFFFFFu; }
int Red(std::uint32_t argb) { return (argb >> 16) & 255; }
int Green(std::uint32_t argb) { return (argb >> 8) & 255; }
int Blue(std::uint32_t argb) { return argb & 255; }

class DrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(OpenHeadlessScreen(64, 64));
    Cls();
  }
  void TearDown() override { CloseScreen(); }

  static ImagePtr Solid(int w, int h, std::uint32_t argb) {
    Pixmap pixmap(w, h);
    std::fill(pixmap.pixels.begin(), pixmap.pixels.end(), argb);
    return CreateImageFromPixmap(std::move(pixmap));
  }
  static std::uint32_t At(int x, int y) { return GrabPixmap(x, y, 1, 1).pixels[0]; }
};

TEST_F(DrawTest, HandleLandsOnTheDrawingPosition) {
  auto image = Solid(4, 4, kRed);
  SetHandle(image, 2, 2);
  DrawImage(image, 10, 10);
  EXPECT_EQ(Rgb(At(8, 8)), 0xFF0000u);
  EXPECT_EQ(Rgb(At(11, 11)), 0xFF0000u);
  EXPECT_EQ(Rgb(At(7, 7)), 0u);
  EXPECT_EQ(Rgb(At(12, 12)), 0u);
}

TEST_F(DrawTest, RotationOf90TurnsUpIntoRight) {
  // A 1×9 bar pointing up from its handle at the bottom.
  auto bar = Solid(1, 9, kRed);
  SetHandle(bar, 0.5f, 9);
  SetRotation(90);
  DrawImage(bar, 30.5f, 30.5f);
  SetRotation(0);
  EXPECT_EQ(Rgb(At(36, 30)), 0xFF0000u) << "the bar should point right";
  EXPECT_EQ(Rgb(At(24, 30)), 0u);
  EXPECT_EQ(Rgb(At(30, 24)), 0u) << "and no longer up";
}

TEST_F(DrawTest, NegativeScaleMirrorsAboutTheHandle) {
  Pixmap pixmap(4, 1);
  pixmap.At(0, 0) = kRed;
  pixmap.At(3, 0) = kBlue;
  auto image = CreateImageFromPixmap(std::move(pixmap));
  SetScale(-1, 1);
  DrawImage(image, 20, 5);  // handle (0, 0): the image extends to the left
  SetScale(1, 1);
  EXPECT_EQ(Rgb(At(19, 5)), 0xFF0000u);
  EXPECT_EQ(Rgb(At(16, 5)), 0x0000FFu);
}

TEST_F(DrawTest, ScaleGrowsAboutTheHandle) {
  auto image = Solid(2, 2, kRed);
  SetHandle(image, 1, 1);
  SetScale(3, 3);
  DrawImage(image, 20, 20);
  SetScale(1, 1);
  EXPECT_EQ(Rgb(At(17, 17)), 0xFF0000u);
  EXPECT_EQ(Rgb(At(22, 22)), 0xFF0000u);
  EXPECT_EQ(Rgb(At(16, 16)), 0u);
}

TEST_F(DrawTest, ColourTintsAndAlphaBlends) {
  SetBlend(kBlendAlpha);
  SetColor(255, 0, 0);
  DrawImage(Solid(4, 4, kWhite), 0, 0);
  EXPECT_EQ(Rgb(At(1, 1)), 0xFF0000u);
  SetColor(255, 255, 255);
  DrawImage(Solid(4, 4, kBlue), 8, 0);
  SetAlpha(0.5f);
  DrawImage(Solid(4, 4, kRed), 8, 0);
  const auto mixed = At(9, 1);
  EXPECT_NEAR(Red(mixed), 128, 2);
  EXPECT_NEAR(Blue(mixed), 127, 2);
}

TEST_F(DrawTest, LightAddsAndShadeMultiplies) {
  SetColor(100, 100, 100);
  DrawRect(0, 0, 8, 8);
  SetBlend(kBlendLight);
  SetColor(255, 255, 255);
  SetAlpha(0.5f);
  DrawImage(Solid(4, 4, 0xFF6400C8u), 0, 0);  // (100, 0, 200) at half strength
  const auto added = At(1, 1);
  EXPECT_NEAR(Red(added), 150, 2);
  EXPECT_NEAR(Green(added), 100, 2);
  EXPECT_NEAR(Blue(added), 200, 2);

  SetBlend(kBlendShade);
  SetAlpha(1);
  DrawImage(Solid(4, 4, 0xFF808080u), 4, 4);  // half grey halves what lies below
  const auto shaded = At(5, 5);
  EXPECT_NEAR(Red(shaded), 50, 2);
}

TEST_F(DrawTest, SolidIgnoresAlphaAndMaskDropsTranslucentPixels) {
  SetBlend(kBlendSolid);
  SetAlpha(0.2f);
  DrawImage(Solid(2, 2, kRed), 0, 0);
  EXPECT_EQ(Rgb(At(0, 0)), 0xFF0000u);

  Pixmap pixmap(2, 1);
  pixmap.At(0, 0) = 0x40FFFFFFu;  // alpha below one half: not drawn
  pixmap.At(1, 0) = 0xC0FFFFFFu;  // above: drawn opaque
  SetBlend(kBlendMask);
  SetAlpha(1);
  DrawImage(CreateImageFromPixmap(std::move(pixmap)), 10, 0);
  EXPECT_EQ(Rgb(At(10, 0)), 0u);
  EXPECT_EQ(Rgb(At(11, 0)), 0xFFFFFFu);
}

TEST_F(DrawTest, ViewportClipsWithoutMovingTheOrigin) {
  SetViewport(10, 10, 5, 5);
  SetColor(255, 255, 255);
  DrawRect(0, 0, 64, 64);
  SetViewport(0, 0, 64, 64);
  EXPECT_EQ(Rgb(At(10, 10)), 0xFFFFFFu);
  EXPECT_EQ(Rgb(At(14, 14)), 0xFFFFFFu);
  EXPECT_EQ(Rgb(At(9, 10)), 0u);
  EXPECT_EQ(Rgb(At(15, 15)), 0u);
}

TEST_F(DrawTest, EmptyOrNegativeViewportDrawsNothing) {
  SetColor(255, 255, 255);
  for (const int height : {0, -20}) {
    SetViewport(10, 10, 20, height);
    EXPECT_EQ(CurrentDrawState().viewHeight, 0);
    DrawRect(0, 0, 64, 64);
    DrawImage(Solid(64, 64, kWhite), 0, 0);
  }
  SetViewport(0, 0, 64, 64);
  EXPECT_EQ(Rgb(At(20, 20)), 0u);
  EXPECT_EQ(Rgb(At(0, 0)), 0u);
}

TEST_F(DrawTest, TiledImageCoversTheViewportAlignedToItsHandle) {
  Pixmap pixmap(8, 8);
  pixmap.At(0, 0) = kRed;  // one marked pixel per tile
  auto tile = CreateImageFromPixmap(std::move(pixmap));
  SetBlend(kBlendAlpha);
  DrawTiled(tile, 3, 5);
  EXPECT_EQ(Rgb(At(3, 5)), 0xFF0000u);
  EXPECT_EQ(Rgb(At(11, 13)), 0xFF0000u);
  EXPECT_EQ(Rgb(At(59, 61)), 0xFF0000u);
  EXPECT_EQ(Rgb(At(4, 5)), 0u);
}

TEST_F(DrawTest, OvalFillsItsBoxOnly) {
  DrawOval(10, 10, 20, 10);
  EXPECT_NE(Rgb(At(20, 15)), 0u);
  EXPECT_EQ(Rgb(At(10, 10)), 0u);  // the box's corner lies outside the ellipse
  EXPECT_EQ(Rgb(At(31, 15)), 0u);
}

TEST_F(DrawTest, FramesOfAStripAreCutLeftToRight) {
  Pixmap strip(6, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) strip.At(x, y) = kRed;
    for (int x = 3; x < 6; ++x) strip.At(x, y) = kBlue;
  }
  Image image(std::move(strip), 3, 2, 0, 2);
  EXPECT_EQ(image.Pixel(1, 0, 0), kBlue);
  DrawImage(image, 0, 0, 1);
  EXPECT_EQ(Rgb(At(0, 0)), 0x0000FFu);
}

}  // namespace
}  // namespace tolvex
