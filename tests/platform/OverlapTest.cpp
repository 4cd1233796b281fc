// The pixel-exact overlap test with rotation and scale.
#include <gtest/gtest.h>

#include "platform/Overlap.h"

namespace tolvex {
namespace {

ImagePtr Filled(int w, int h) {
  Pixmap pixmap(w, h);
  std::fill(pixmap.pixels.begin(), pixmap.pixels.end(), 0xFFFFFFFFu);
  auto image = CreateImageFromPixmap(std::move(pixmap));
  CentreHandle(image);
  return image;
}

TEST(ImagesOverlap, TouchingAndSeparateRectangles) {
  auto a = Filled(10, 10), b = Filled(10, 10);
  EXPECT_TRUE(ImagesOverlap(*a, 0, 0, 0, *b, 9, 0, 0));
  EXPECT_FALSE(ImagesOverlap(*a, 0, 0, 0, *b, 10, 0, 0));
}

TEST(ImagesOverlap, LongBarsTouchOnlyWhenRotated) {
  // Two 2×40 bars side by side, 12 px apart: apart when upright, crossing when one lies flat.
  auto bar = Filled(2, 40);
  const Placement left{0, 0}, right{12, 0};
  EXPECT_FALSE(ImagesOverlap(*bar, left, *bar, right));
  Placement turned = left;
  turned.rotation = 90;
  EXPECT_TRUE(ImagesOverlap(*bar, turned, *bar, right));
}

TEST(ImagesOverlap, ScaleIsHonoured) {
  auto a = Filled(4, 4), b = Filled(4, 4);
  const Placement small{0, 0}, other{8, 0};
  EXPECT_FALSE(ImagesOverlap(*a, small, *b, other));
  Placement big = small;
  big.scaleX = big.scaleY = 4;  // now 16 px wide about its centre
  EXPECT_TRUE(ImagesOverlap(*a, big, *b, other));
}

TEST(ImagesOverlap, TransparentCornersNeverCollide) {
  // A disc in a 20×20 frame: the corners are see-through.
  Pixmap disc(20, 20);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const float dx = x + 0.5f - 10, dy = y + 0.5f - 10;
      disc.At(x, y) = dx * dx + dy * dy <= 100 ? 0xFFFFFFFFu : 0x7FFFFFFFu;  // outside: below half alpha
    }
  }
  auto ball = CreateImageFromPixmap(std::move(disc));
  CentreHandle(ball);
  auto dot = Filled(2, 2);
  EXPECT_FALSE(ImagesOverlap(*ball, 0, 0, 0, *dot, 9, 9, 0)) << "the box's corner is empty";
  EXPECT_TRUE(ImagesOverlap(*ball, 0, 0, 0, *dot, 5, 5, 0));
}

TEST(ImagesOverlap, RotatedCornerReachesWhereTheUprightOneDoesNot) {
  auto square = Filled(20, 20);
  auto dot = Filled(2, 2);
  // 13 px right of the centre: outside the upright square (half width 10), inside its 45° diamond (14.1).
  EXPECT_FALSE(ImagesOverlap(*square, Placement{0, 0}, *dot, Placement{13, 0}));
  Placement diamond{0, 0};
  diamond.rotation = 45;
  EXPECT_TRUE(ImagesOverlap(*square, diamond, *dot, Placement{13, 0}));
}

}  // namespace
}  // namespace tolvex
