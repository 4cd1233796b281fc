// The pixel-exact overlap test with rotation and scale.
#include <gtest/gtest.h>

#include "platform/Overlap.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "platform/Clock.h"

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

// Every shared pixel centre of the two placed frames, tested one by one: the plain form of
// the test, which the quick one must answer alike in every case.
bool SolidAt(const Image& image, const Placement& at, float wx, float wy) {
  const float dx = wx - at.x, dy = wy - at.y;
  const float c = CosDeg(at.rotation), s = SinDeg(at.rotation);
  const float invX = at.scaleX != 0 ? 1.0f / at.scaleX : 0.0f, invY = at.scaleY != 0 ? 1.0f / at.scaleY : 0.0f;
  const float u = (dx * c + dy * s) * invX + image.HandleX();
  const float v = (-dx * s + dy * c) * invY + image.HandleY();
  if (u < 0 || v < 0) return false;
  const int px = static_cast<int>(u), py = static_cast<int>(v);
  return px < image.Width() && py < image.Height() && image.Mask(at.frame).At(px, py);
}

void Box(const Image& image, const Placement& at, float& minX, float& minY, float& maxX, float& maxY) {
  minX = minY = 1e30f, maxX = maxY = -1e30f;
  const float c = CosDeg(at.rotation), s = SinDeg(at.rotation);
  const float w = static_cast<float>(image.Width()), h = static_cast<float>(image.Height());
  for (const auto& [cu, cv] : {std::pair{0.0f, 0.0f}, {w, 0.0f}, {0.0f, h}, {w, h}}) {
    const float u = (cu - image.HandleX()) * at.scaleX, v = (cv - image.HandleY()) * at.scaleY;
    const float wx = at.x + u * c - v * s, wy = at.y + u * s + v * c;
    minX = std::min(minX, wx), maxX = std::max(maxX, wx);
    minY = std::min(minY, wy), maxY = std::max(maxY, wy);
  }
}

bool EveryPixelOverlap(const Image& a, const Placement& atA, const Image& b, const Placement& atB) {
  float aMinX, aMinY, aMaxX, aMaxY, bMinX, bMinY, bMaxX, bMaxY;
  Box(a, atA, aMinX, aMinY, aMaxX, aMaxY);
  Box(b, atB, bMinX, bMinY, bMaxX, bMaxY);
  const float left = std::floor(std::max(aMinX, bMinX)), right = std::min(aMaxX, bMaxX);
  const float top = std::floor(std::max(aMinY, bMinY)), bottom = std::min(aMaxY, bMaxY);
  for (float wy = top + 0.5f; wy < bottom; wy += 1.0f) {
    for (float wx = left + 0.5f; wx < right; wx += 1.0f) {
      if (SolidAt(a, atA, wx, wy) && SolidAt(b, atB, wx, wy)) return true;
    }
  }
  return false;
}

// A sprite with a few solid specks and a solid streak somewhere inside a see-through frame.
ImagePtr Specks(std::mt19937& random, int w, int h) {
  Pixmap pixmap(w, h);
  std::uniform_int_distribution<int> column(0, w - 1), row(0, h - 1);
  for (int i = 0; i < 1 + w * h / 40; ++i) pixmap.At(column(random), row(random)) = 0xFFFFFFFFu;
  const int y = row(random);
  for (int x = column(random) / 2; x < w; x += 1 + static_cast<int>(random() % 3)) pixmap.At(x, y) = 0x80FFFFFFu;
  auto image = CreateImageFromPixmap(std::move(pixmap));
  image->SetHandle(static_cast<float>(random() % w), static_cast<float>(random() % h));
  return image;
}

TEST(ImagesOverlap, AnswersEveryPlacementAsTheTestOfEveryPixel) {
  std::mt19937 random(11);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  const float angles[] = {0, 90, 180, 270, 45, -30};
  int overlapping = 0, cases = 0;
  for (int sprite = 0; sprite < 60; ++sprite) {
    const ImagePtr a = Specks(random, 3 + static_cast<int>(random() % 40), 3 + static_cast<int>(random() % 90));
    const ImagePtr b = Specks(random, 3 + static_cast<int>(random() % 120), 3 + static_cast<int>(random() % 120));
    for (int i = 0; i < 150; ++i) {
      // Truncated positions far out in the world, as the hit tests place them.
      const float baseX = static_cast<float>(static_cast<int>(unit(random) * 40000 - 20000));
      const float baseY = static_cast<float>(static_cast<int>(unit(random) * 40000 - 20000));
      Placement atA{baseX, baseY, 0, i % 3 == 0 ? angles[i % 6] : unit(random) * 720 - 360};
      Placement atB{baseX + static_cast<float>(static_cast<int>(unit(random) * 120 - 60)),
                    baseY + static_cast<float>(static_cast<int>(unit(random) * 120 - 60)), 0, unit(random) * 360};
      if (i % 10 == 0) atB.scaleX = -1.5f, atB.scaleY = 0.75f;
      const bool expected = EveryPixelOverlap(*a, atA, *b, atB);
      EXPECT_EQ(ImagesOverlap(*a, atA, *b, atB), expected) << "sprite " << sprite << " case " << i;
      overlapping += expected;
      ++cases;
    }
  }
  EXPECT_GT(overlapping, cases / 20) << "the cases should not all be misses";
}

// A thin shot-like streak with its handle at the tail.
ImagePtr Streak(int length) {
  Pixmap pixmap(3, length);
  for (int y = 1; y < length; ++y) pixmap.At(1, y) = 0xFFFFFFFFu;
  auto image = CreateImageFromPixmap(std::move(pixmap));
  image->SetHandle(1.5f, static_cast<float>(length));
  return image;
}

// Most pairs a hit test asks about just miss: placed around the distance where their solid
// pixels start to touch, at any angle, scale and position, the quick test must still agree.
TEST(ImagesOverlap, AnswersNearMissesAsTheTestOfEveryPixel) {
  std::mt19937 random(29);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  const float far[] = {0, 0, 3000, -250000, 2.0e6f, -3.0e6f};
  const float scales[] = {1, 1, 1, 2.5f, -1, 0.5f, 1.25f};
  int overlapping = 0, cases = 0;
  for (int sprite = 0; sprite < 40; ++sprite) {
    const ImagePtr a = sprite % 2 == 0 ? Streak(4 + static_cast<int>(random() % 30))
                                       : Specks(random, 3 + static_cast<int>(random() % 30), 3 + static_cast<int>(random() % 30));
    const ImagePtr b = Specks(random, 5 + static_cast<int>(random() % 100), 5 + static_cast<int>(random() % 100));
    const float reach = 0.5f * std::hypot(static_cast<float>(a->Width() + b->Width()), static_cast<float>(a->Height() + b->Height()));
    for (int i = 0; i < 200; ++i) {
      const float base = far[i % 6];
      const bool whole = i % 4 != 0;  // hit tests truncate positions; other callers need not
      const auto place = [&](float value) { return whole ? std::trunc(value) : value; };
      const float angle = unit(random) * 6.2831853f, distance = reach * unit(random) * 0.8f;
      Placement atA{place(base + unit(random) * 10), place(base - unit(random) * 10), 0, unit(random) * 720 - 360};
      Placement atB{place(atA.x + std::cos(angle) * distance), place(atA.y + std::sin(angle) * distance), 0,
                    i % 6 == 0 ? 90.0f * static_cast<float>(i % 4) : unit(random) * 360};
      atA.scaleX = atA.scaleY = scales[i % 7];
      atB.scaleX = scales[(i / 7) % 7], atB.scaleY = scales[(i / 3) % 7];
      const bool expected = EveryPixelOverlap(*a, atA, *b, atB);
      EXPECT_EQ(ImagesOverlap(*a, atA, *b, atB), expected) << "sprite " << sprite << " case " << i;
      EXPECT_EQ(ImagesOverlap(*b, atB, *a, atA), expected) << "sprite " << sprite << " case " << i << " swapped";
      overlapping += expected;
      ++cases;
    }
  }
  EXPECT_GT(overlapping, cases / 10) << "the cases should not all be misses";
  EXPECT_LT(overlapping, cases * 9 / 10) << "nor all hits";
}

// A hull with hollows: a thick ring with a gap and a spar across, wider than 64 px so its mask
// rows span two words, handle off centre.
ImagePtr HollowHull(int w, int h) {
  Pixmap pixmap(w, h);
  const float cx = static_cast<float>(w) / 2, cy = static_cast<float>(h) / 2;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const float dx = (static_cast<float>(x) - cx) / cx, dy = (static_cast<float>(y) - cy) / cy;
      const float r = std::sqrt(dx * dx + dy * dy);
      const bool ring = r > 0.7f && r < 0.95f && !(dx > 0.5f && std::fabs(dy) < 0.2f);
      const bool spar = std::abs(y - h / 3) <= 1 && x > w / 4;
      if (ring || spar) pixmap.At(x, y) = 0xFFFFFFFFu;
    }
  }
  auto image = CreateImageFromPixmap(std::move(pixmap));
  image->SetHandle(static_cast<float>(w) * 0.45f, static_cast<float>(h) * 0.55f);
  return image;
}

// Shots crossing a hull's empty middle, its gap and its edges: most are told apart by the
// hull's mask under the shot's box before any row is walked, and must still agree.
TEST(ImagesOverlap, ShotsThroughHollowHullsAnswerAsTheTestOfEveryPixel) {
  std::mt19937 random(41);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  int overlapping = 0, cases = 0;
  for (int hull = 0; hull < 8; ++hull) {
    const ImagePtr big = HollowHull(40 + hull * 15, 36 + hull * 11);
    const ImagePtr shot = Streak(6 + hull * 3);
    const float reach = 0.5f * static_cast<float>(big->Width() + big->Height());
    for (int i = 0; i < 400; ++i) {
      const float base = i % 5 == 0 ? 1.5e6f : 0.0f;
      Placement atHull{std::trunc(base + unit(random) * 50), std::trunc(base - unit(random) * 50), 0, unit(random) * 360};
      if (i % 9 == 0) atHull.scaleX = atHull.scaleY = 1.5f;
      const float angle = unit(random) * 6.2831853f, distance = reach * unit(random);
      const Placement atShot{std::trunc(atHull.x + std::cos(angle) * distance),
                             std::trunc(atHull.y + std::sin(angle) * distance), 0, unit(random) * 360};
      const bool expected = EveryPixelOverlap(*shot, atShot, *big, atHull);
      EXPECT_EQ(ImagesOverlap(*shot, atShot, *big, atHull), expected) << "hull " << hull << " case " << i;
      EXPECT_EQ(ImagesOverlap(*big, atHull, *shot, atShot), expected) << "hull " << hull << " case " << i << " swapped";
      overlapping += expected;
      ++cases;
    }
  }
  EXPECT_GT(overlapping, cases / 10) << "the cases should not all be misses";
  EXPECT_LT(overlapping, cases * 9 / 10) << "nor all hits";
}

// A placement kept for a ship or rocket is reused only while it stands exactly where it stood:
// after every move, turn or change of image the answers are those of a fresh placement.
TEST(PlacedImageCache, AnswersAsAFreshPlacementAfterEveryChange) {
  std::mt19937 random(5);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  const ImagePtr hulls[] = {HollowHull(70, 50), HollowHull(50, 70)};
  const ImagePtr shot = Streak(12);
  PlacedImageCache cache;
  Placement at{0, 0, 0, 0};
  int image = 0;
  for (int i = 0; i < 600; ++i) {
    switch (i % 4) {
      case 0: at.x += std::trunc(unit(random) * 6 - 3); break;
      case 1: at.rotation = unit(random) * 360; break;
      case 2: image = 1 - image; break;
      default: break;  // unchanged: the kept placement answers
    }
    const Placement atShot{std::trunc(at.x + unit(random) * 60 - 30), std::trunc(at.y + unit(random) * 60 - 30), 0,
                           unit(random) * 360};
    const bool fresh = ImagesOverlap(*shot, atShot, *hulls[image], at);
    EXPECT_EQ(ImagesOverlap(PlacedImage(*shot, atShot), cache.Place(hulls[image], at)), fresh) << "step " << i;
    EXPECT_EQ(fresh, EveryPixelOverlap(*shot, atShot, *hulls[image], at)) << "step " << i;
  }
  // Rotations that compare equal but differ in their bits are placed anew.
  const Placement upright{0, 0, 0, 0.0f}, negativeZero{0, 0, 0, -0.0f};
  EXPECT_TRUE(PlacedImage(*shot, upright).IsOf(*shot, upright));
  EXPECT_FALSE(PlacedImage(*shot, upright).IsOf(*shot, negativeZero));
  EXPECT_FALSE(PlacedImage(*shot, upright).IsOf(*hulls[0], upright));
}

}  // namespace
}  // namespace tolvex
