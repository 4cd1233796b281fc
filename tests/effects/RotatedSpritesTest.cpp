// Sprites turned ahead of time: size, handle and where the pixels land.
#include <gtest/gtest.h>

#include <cmath>

#include "EffectsTestEnv.h"
#include "effects/RotatedSprites.h"
#include "platform/Clock.h"

namespace tolvex::test {
namespace {

class RotatedSpritesTest : public EffectsTest {
 protected:
  // A 4 × 10 bar hanging down from its handle at the top centre; the bottom row is red.
  static ImagePtr HangingBar() {
    Pixmap bar(4, 10);
    for (auto& pixel : bar.pixels) pixel = 0xFFFFFFFF;
    for (int x = 0; x < 4; ++x) bar.At(x, 9) = 0xFFFF0000;
    auto image = CreateImageFromPixmap(std::move(bar));
    image->SetHandle(2, 0);
    return image;
  }
};

TEST_F(RotatedSpritesTest, QuarterTurnClockwiseSwapsTheSides) {
  const auto turned = TurnImage(*HangingBar(), 90);
  EXPECT_EQ(turned->Width(), 10);
  EXPECT_EQ(turned->Height(), 4);
  // Hanging to the left now: the handle sits on the right edge, the red end on the left.
  EXPECT_FLOAT_EQ(turned->HandleX(), 10);
  EXPECT_FLOAT_EQ(turned->HandleY(), 2);
  EXPECT_EQ(turned->Pixel(0, 0, 1), 0xFFFF0000u);
  EXPECT_EQ(turned->Pixel(0, 9, 1), 0xFFFFFFFFu);
}

TEST_F(RotatedSpritesTest, HalfTurnPointsUp) {
  const auto turned = TurnImage(*HangingBar(), 180);
  EXPECT_EQ(turned->Width(), 4);
  EXPECT_EQ(turned->Height(), 10);
  EXPECT_FLOAT_EQ(turned->HandleY(), 10);
  EXPECT_EQ(turned->Pixel(0, 1, 0), 0xFFFF0000u);
}

TEST_F(RotatedSpritesTest, OddAnglesLeaveTransparentCorners) {
  const auto turned = TurnImage(*SolidImage(20, 20, 0xFFFFFFFF), 45);
  EXPECT_GE(turned->Width(), 28);
  EXPECT_EQ(turned->Pixel(0, 0, 0) >> 24, 0u);
  EXPECT_EQ(turned->Pixel(0, turned->Width() / 2, turned->Height() / 2) >> 24, 255u);
}

// Every turn reads the frame as the plain definition does: each new pixel's centre turned back
// into the picture, rounded down, and see-through outside the frame. The frame is cut from the
// middle of a strip, so reading past its edges would pick up its neighbours' pixels.
TEST_F(RotatedSpritesTest, EveryTurnPicksThePixelsThePlainDefinitionPicks) {
  Pixmap strip(21, 9);
  for (std::size_t i = 0; i < strip.pixels.size(); ++i) strip.pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2654435761u);
  const auto cut = std::make_shared<Image>(strip, 5, 7, 2, 1);  // the third frame of four per row
  cut->SetHandle(1.5f, 5.25f);
  // A longer picture turned about a handle outside it, so rows reach far beyond its corners.
  Pixmap wide(37, 11);
  for (std::size_t i = 0; i < wide.pixels.size(); ++i) wide.pixels[i] = static_cast<std::uint32_t>(i * 40503u) | 0x01000000u;
  const auto far = CreateImageFromPixmap(std::move(wide));
  far->SetHandle(-6.5f, 20.25f);
  for (const ImagePtr& frame : {cut, far}) {
    for (int degrees = 0; degrees < 360; ++degrees) {
      const auto turned = TurnImage(*frame, degrees);
      const float c = CosDeg(static_cast<float>(degrees)), s = SinDeg(static_cast<float>(degrees));
      int wrong = 0;
      for (int y = 0; y < turned->Height(); ++y) {
        for (int x = 0; x < turned->Width(); ++x) {
          const float dx = static_cast<float>(x) - turned->HandleX() + 0.5f;
          const float dy = static_cast<float>(y) - turned->HandleY() + 0.5f;
          const float sx = frame->HandleX() + dx * c + dy * s, sy = frame->HandleY() - dx * s + dy * c;
          const std::uint32_t expected =
              frame->Pixel(0, static_cast<int>(std::floor(sx)), static_cast<int>(std::floor(sy)));
          wrong += turned->Pixel(0, x, y) != expected;
        }
      }
      EXPECT_EQ(wrong, 0) << degrees << " degrees, " << frame->Width() << " pixels wide";
    }
  }
}

TEST_F(RotatedSpritesTest, KeepsOneCopyPerWholeDegree) {
  RotatedSprites sprites;
  const auto bar = HangingBar();
  const TurnedSprite& a = sprites.Get(bar, 89.6f);
  const TurnedSprite& b = sprites.Get(bar, 450.2f);
  const TurnedSprite& c = sprites.Get(bar, -270);
  EXPECT_EQ(&a, &b);
  EXPECT_EQ(&a, &c);
  EXPECT_NE(&a, &sprites.Get(bar, 91));
}

TEST_F(RotatedSpritesTest, SpritesThatLookAlikeShareTheirTurns) {
  RotatedSprites sprites;
  const auto a = HangingBar();
  const auto b = HangingBar();
  const auto c = HangingBar();
  c->SetHandle(2, 1);
  EXPECT_EQ(&sprites.Get(a, 30), &sprites.Get(b, 30));
  EXPECT_NE(&sprites.Get(a, 30), &sprites.Get(c, 30));
  EXPECT_NE(&sprites.Get(a, 30), &sprites.Get(SolidImage(4, 10, 0xFFFFFFFF), 30));
}

// Far more sprites than the lookup remembers, asked for in turn: each still gets its own turns,
// and the same ones every time it asks.
TEST_F(RotatedSpritesTest, ManySpritesInTurnEachFindTheirOwnTurns) {
  RotatedSprites sprites;
  std::vector<ImagePtr> images;
  std::vector<const TurnedSprite*> first;
  for (int i = 0; i < 150; ++i) {
    images.push_back(SolidImage(3 + i % 7, 2 + i / 7, 0xFF000000u | static_cast<std::uint32_t>(i)));
    first.push_back(&sprites.Get(images.back(), 10));
  }
  for (int round = 0; round < 3; ++round) {
    for (std::size_t i = 0; i < images.size(); ++i) {
      const std::size_t at = (i * 37 + static_cast<std::size_t>(round)) % images.size();
      ASSERT_EQ(&sprites.Get(images[at], 10.2f), first[at]) << "sprite " << at << ", round " << round;
    }
  }
  for (std::size_t i = 1; i < first.size(); ++i) EXPECT_NE(first[i], first[i - 1]);
  EXPECT_EQ(*first[42]->Spans().At(first[42]->Spans().RowSpan(1).begin, 1) & 0xFFFFFFu, 42u);
}

TEST_F(RotatedSpritesTest, KeepsOnlyTheVisiblePixelsOfEveryTurn) {
  RotatedSprites sprites;
  const auto square = SolidImage(20, 20, 0xFFFFFFFF);
  CentreHandle(square);
  const TurnedSprite& diamond = sprites.Get(square, 45);
  const auto whole = TurnImage(*square, 45);
  // The corners of the turned box are see-through and left out; what remains is the square.
  EXPECT_EQ(diamond.Spans().Width(), whole->Width());
  EXPECT_LT(diamond.Spans().VisiblePixels(), whole->Width() * whole->Height());
  EXPECT_NEAR(diamond.Spans().VisiblePixels(), 400, 40);
  EXPECT_FLOAT_EQ(diamond.HandleX(), whole->HandleX());
  const int middle = diamond.Spans().Height() / 2;
  const auto span = diamond.Spans().RowSpan(middle);
  for (int x = span.begin; x < span.end; ++x) EXPECT_EQ(*diamond.Spans().At(x, middle), whole->Pixel(0, x, middle));
  // The whole turned picture is there too, for drawing through SDL.
  EXPECT_EQ(diamond.Picture().Width(), whole->Width());
}

}  // namespace
}  // namespace tolvex::test
