#include "platform/Overlap.h"

#include <algorithm>
#include <cmath>

#include "platform/Clock.h"

namespace tolvex {

namespace {

// Maps world points into one image's frame: the inverse of draw's rotate-and-scale about the handle.
struct FrameMapper {
  const Image& image;
  const SolidMask& mask;
  float x, y, cosR, sinR, invSX, invSY;

  FrameMapper(const Image& img, const Placement& at)
      : image(img),
        mask(img.Mask(at.frame)),
        x(at.x),
        y(at.y),
        cosR(CosDeg(at.rotation)),
        sinR(SinDeg(at.rotation)),
        invSX(at.scaleX != 0 ? 1.0f / at.scaleX : 0.0f),
        invSY(at.scaleY != 0 ? 1.0f / at.scaleY : 0.0f) {}

  bool SolidAt(float wx, float wy) const {
    const float dx = wx - x, dy = wy - y;
    const float u = (dx * cosR + dy * sinR) * invSX + image.HandleX();
    const float v = (-dx * sinR + dy * cosR) * invSY + image.HandleY();
    if (u < 0 || v < 0) return false;
    const int px = static_cast<int>(u), py = static_cast<int>(v);
    return px < mask.width && py < mask.height && mask.At(px, py);
  }

  // The world-space box around the placed frame.
  void Bounds(const Placement& at, float& minX, float& minY, float& maxX, float& maxY) const {
    minX = minY = 1e30f, maxX = maxY = -1e30f;
    const float w = static_cast<float>(image.Width()), h = static_cast<float>(image.Height());
    for (const auto& [cu, cv] : {std::pair{0.0f, 0.0f}, {w, 0.0f}, {0.0f, h}, {w, h}}) {
      const float u = (cu - image.HandleX()) * at.scaleX, v = (cv - image.HandleY()) * at.scaleY;
      const float wx = x + u * cosR - v * sinR, wy = y + u * sinR + v * cosR;
      minX = std::min(minX, wx), maxX = std::max(maxX, wx);
      minY = std::min(minY, wy), maxY = std::max(maxY, wy);
    }
  }
};

}  // namespace

bool ImagesOverlap(const Image& image1, float x1, float y1, int frame1, const Image& image2, float x2, float y2,
                   int frame2) {
  return ImagesOverlap(image1, Placement{x1, y1, frame1}, image2, Placement{x2, y2, frame2});
}

bool ImagesOverlap(const Image& image1, const Placement& at1, const Image& image2, const Placement& at2) {
  const FrameMapper first(image1, at1), second(image2, at2);
  float aMinX, aMinY, aMaxX, aMaxY, bMinX, bMinY, bMaxX, bMaxY;
  first.Bounds(at1, aMinX, aMinY, aMaxX, aMaxY);
  second.Bounds(at2, bMinX, bMinY, bMaxX, bMaxY);
  const float left = std::floor(std::max(aMinX, bMinX)), right = std::min(aMaxX, bMaxX);
  const float top = std::floor(std::max(aMinY, bMinY)), bottom = std::min(aMaxY, bMaxY);
  // Sample the centre of every screen pixel both boxes share.
  for (float wy = top + 0.5f; wy < bottom; wy += 1.0f) {
    for (float wx = left + 0.5f; wx < right; wx += 1.0f) {
      if (first.SolidAt(wx, wy) && second.SolidAt(wx, wy)) return true;
    }
  }
  return false;
}

}  // namespace tolvex
