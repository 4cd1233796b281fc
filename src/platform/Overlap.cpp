#include "platform/Overlap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

#include "platform/Clock.h"

namespace tolvex {

namespace {

struct Turn {
  float cos, sin;
};

// Hit tests turn the same few angles again and again (a shot keeps its heading, a ship
// meets every shot near it): recent sines and cosines are remembered, by the angle's bits.
Turn TurnOf(float degrees) {
  struct Entry {
    std::uint32_t bits = 0;
    bool used = false;
    Turn turn{};
  };
  static std::array<Entry, 256> recent;
  std::uint32_t bits;
  std::memcpy(&bits, &degrees, sizeof bits);
  Entry& entry = recent[(bits * 2654435761u) >> 24];
  if (!entry.used || entry.bits != bits) entry = Entry{bits, true, Turn{CosDeg(degrees), SinDeg(degrees)}};
  return entry.turn;
}

// How one frame coordinate runs along a pixel row: slope · (wx − x) + offset, where the
// offset moves with the row; kept with the slope's inverse for narrowing rows.
struct Axis {
  float slope, inverse, offsetPerRow, offset0;
  int low, high;  // the solid pixels lie in [low, high)
};

// Maps world points into one image's frame: the inverse of draw's rotate-and-scale about the handle.
struct FrameMapper {
  const Image& image;
  const SolidMask& mask;
  float x, y, cosR, sinR, invSX, invSY;
  Axis across, down;

  FrameMapper(const Image& img, const Placement& at, Turn turn)
      : image(img),
        mask(img.Mask(at.frame)),
        x(at.x),
        y(at.y),
        cosR(turn.cos),
        sinR(turn.sin),
        invSX(at.scaleX != 0 ? 1.0f / at.scaleX : 0.0f),
        invSY(at.scaleY != 0 ? 1.0f / at.scaleY : 0.0f),
        across(MakeAxis(cosR * invSX, sinR * invSX, img.HandleX(), mask.left, mask.right)),
        down(MakeAxis(-sinR * invSY, cosR * invSY, img.HandleY(), mask.top, mask.bottom)) {}

  static Axis MakeAxis(float slope, float perRow, float handle, int low, int high) {
    return Axis{slope, std::fabs(slope) < 1e-6f ? 0.0f : 1.0f / slope, perRow, handle, low, high};
  }

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
    BoxAround(at, 0, 0, static_cast<float>(image.Width()), static_cast<float>(image.Height()), minX, minY, maxX, maxY);
  }

  // The world-space box around the frame's solid pixels.
  void SolidBounds(const Placement& at, float& minX, float& minY, float& maxX, float& maxY) const {
    BoxAround(at, static_cast<float>(mask.left), static_cast<float>(mask.top), static_cast<float>(mask.right),
              static_cast<float>(mask.bottom), minX, minY, maxX, maxY);
  }

  bool Empty() const { return mask.right <= mask.left; }

  // Narrows [from, to) on the pixel row wy to the x where this frame may be solid: outside it
  // the point maps beyond the solid pixels' box. A pixel of slack covers rounding.
  void NarrowRow(float wy, float& from, float& to) const {
    const float dy = wy - y;
    Narrow(across, dy, from, to);
    Narrow(down, dy, from, to);
  }

 private:
  void BoxAround(const Placement& at, float u0, float v0, float u1, float v1, float& minX, float& minY, float& maxX,
                 float& maxY) const {
    minX = minY = 1e30f, maxX = maxY = -1e30f;
    for (const auto& [cu, cv] : {std::pair{u0, v0}, {u1, v0}, {u0, v1}, {u1, v1}}) {
      const float u = (cu - image.HandleX()) * at.scaleX, v = (cv - image.HandleY()) * at.scaleY;
      const float wx = x + u * cosR - v * sinR, wy = y + u * sinR + v * cosR;
      minX = std::min(minX, wx), maxX = std::max(maxX, wx);
      minY = std::min(minY, wy), maxY = std::max(maxY, wy);
    }
  }

  // Keeps the wx of the row where the axis' coordinate may lie among the solid pixels.
  void Narrow(const Axis& axis, float dy, float& from, float& to) const {
    constexpr float kSlack = 1.0f;
    const float offset = dy * axis.offsetPerRow + axis.offset0;
    const auto low = static_cast<float>(axis.low), high = static_cast<float>(axis.high);
    if (axis.inverse == 0) {
      if (offset < low - kSlack || offset > high + kSlack) to = from;
      return;
    }
    float a = (low - offset) * axis.inverse, b = (high - offset) * axis.inverse;
    if (a > b) std::swap(a, b);
    from = std::max(from, x + a - kSlack);
    to = std::min(to, x + b + kSlack);
  }
};

}  // namespace

bool ImagesOverlap(const Image& image1, float x1, float y1, int frame1, const Image& image2, float x2, float y2,
                   int frame2) {
  return ImagesOverlap(image1, Placement{x1, y1, frame1}, image2, Placement{x2, y2, frame2});
}

bool ImagesOverlap(const Image& image1, const Placement& at1, const Image& image2, const Placement& at2) {
  for (const float value : {at1.x, at1.y, at2.x, at2.y, at1.rotation, at2.rotation}) {
    if (!std::isfinite(value)) return false;
  }
  const FrameMapper first(image1, at1, TurnOf(at1.rotation)), second(image2, at2, TurnOf(at2.rotation));
  if (first.Empty() || second.Empty()) return false;
  // The pixel centres sampled are those of every screen pixel both frames' boxes share ...
  float aMinX, aMinY, aMaxX, aMaxY, bMinX, bMinY, bMaxX, bMaxY;
  first.Bounds(at1, aMinX, aMinY, aMaxX, aMaxY);
  second.Bounds(at2, bMinX, bMinY, bMaxX, bMaxY);
  const float left = std::floor(std::max(aMinX, bMinX)), right = std::min(aMaxX, bMaxX);
  const float top = std::floor(std::max(aMinY, bMinY)), bottom = std::min(aMaxY, bMaxY);
  // ... but only the rows and runs where both may be solid are visited: the answer is the
  // same, and a shot's few solid pixels are all that is looked at.
  first.SolidBounds(at1, aMinX, aMinY, aMaxX, aMaxY);
  second.SolidBounds(at2, bMinX, bMinY, bMaxX, bMaxY);
  const float firstRow = std::max(top, std::floor(std::max(aMinY, bMinY)) - 1.0f);
  const float endRow = std::min(bottom, std::min(aMaxY, bMaxY) + 1.0f);
  for (float wy = firstRow + 0.5f; wy < endRow; wy += 1.0f) {
    float from = left, to = right;
    first.NarrowRow(wy, from, to);
    second.NarrowRow(wy, from, to);
    if (!(from < to)) continue;
    for (float wx = std::max(left, std::floor(from) - 1.0f) + 0.5f; wx < to && wx < right; wx += 1.0f) {
      if (first.SolidAt(wx, wy) && second.SolidAt(wx, wy)) return true;
    }
  }
  return false;
}

}  // namespace tolvex
