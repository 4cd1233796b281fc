#pragma once
// Pixel-exact overlap of two images placed by their handles.
#include <bit>
#include <cstdint>
#include <optional>

#include "platform/Image.h"

namespace tolvex {

// Where and how an image is placed for an overlap test.
struct Placement {
  float x = 0, y = 0;
  int frame = 0;
  float rotation = 0;
  float scaleX = 1, scaleY = 1;
};

// Where a game object's sprite stands in a hit test: its position truncated, frame 0, scale 1.
inline Placement HitPlacement(float x, float y, float rotation) {
  return Placement{static_cast<float>(static_cast<int>(x)), static_cast<float>(static_cast<int>(y)), 0, rotation};
}

// An image placed for overlap tests, with what every test of it needs worked out once: a ship
// that many shots are tested against in a frame is placed once for all of them.
struct PlacedImage {
  // The sine and cosine of the rotation.
  struct Turn {
    float cos, sin;
  };
  // A world-space box: [minX, maxX] × [minY, maxY].
  struct Box {
    float minX = 1e30f, minY = 1e30f, maxX = -1e30f, maxY = -1e30f;
  };
  // The rectangle of the frame's solid pixels as it lies in the world: its centre, the frame's
  // unit axes (u along its rows, v down its columns) and its half extents along them.
  struct SolidRect {
    float cx = 0, cy = 0, cosR = 1, sinR = 0, halfU = 0, halfV = 0;
    // A frame scaled to nothing along an axis maps a whole band of the world onto its handle's
    // row or column: its solid points are not confined to the rectangle.
    bool flat = false;
    // How far the rectangle reaches from its centre along the unit direction (nx, ny).
    float Reach(float nx, float ny) const;
  };

  PlacedImage(const Image& image, const Placement& at);
  // The same when the caller already knows the rotation's {CosDeg, SinDeg}.
  PlacedImage(const Image& image, const Placement& at, std::optional<Turn> knownTurn);
  // True if this is `image` placed at `at`, bit for bit. Inline: every shot near an object asks.
  bool IsOf(const Image& other, const Placement& placement) const {
    const auto same = [](float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); };
    return image == &other && at.frame == placement.frame && same(at.x, placement.x) && same(at.y, placement.y) &&
           same(at.rotation, placement.rotation) && same(at.scaleX, placement.scaleX) &&
           same(at.scaleY, placement.scaleY);
  }
  // The world boxes around the placed frame and around its solid pixels (worked out on first use).
  const Box& FrameBox() const;
  const Box& SolidBox() const;

  const Image* image;
  Placement at;
  // False when the placement is not finite or the frame has no solid pixel: it then overlaps nothing.
  bool testable = false;
  const SolidMask* mask = nullptr;
  Turn turn{1, 0};
  SolidRect solid;

 private:
  mutable bool boxesKnown_ = false;
  mutable Box frameBox_, solidBox_;
};

// The last placement of an object's sprite for hit tests, reused while the object stands where
// it stood: a ship or rocket that many shots test in a frame is placed once for them all.
class PlacedImageCache {
 public:
  // The image placed at `at`; the image must be set. The usual answer, the placement kept, is
  // inline: every shot near the object asks.
  const PlacedImage& Place(const ImagePtr& image, const Placement& at) {
    if (placed_ && image_.get() == image.get() && placed_->IsOf(*image, at)) return *placed_;
    return Replace(image, at);
  }

 private:
  const PlacedImage& Replace(const ImagePtr& image, const Placement& at);
  std::optional<PlacedImage> placed_;
  ImagePtr image_;  // kept, so that no other image can take its address meanwhile
};

// True if a solid pixel (alpha >= 128) of the first image covers a solid pixel of the second.
bool ImagesOverlap(const Image& image1, float x1, float y1, int frame1, const Image& image2, float x2,
                   float y2, int frame2);
// The same with rotation and scale for each image (hit tests).
bool ImagesOverlap(const Image& image1, const Placement& at1, const Image& image2, const Placement& at2);
// The same for images already placed.
bool ImagesOverlap(const PlacedImage& first, const PlacedImage& second);

}  // namespace tolvex
