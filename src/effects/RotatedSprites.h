#pragma once
// Sprites turned in whole degrees, made once and kept: the software renderer
// copies a ready turned sprite many times faster than it turns one per draw.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <tuple>

#include "platform/Image.h"

namespace tolvex {

class RotatedSprites {
 public:
  // Frame 0 of image turned clockwise by degrees (rounded to a whole degree), with its
  // handle where the original handle lands.
  const Image& Get(const ImagePtr& image, float degrees);

 private:
  using Turns = std::array<ImagePtr, 360>;
  // What makes two sprites look alike: size, handle and a hash of the pixels.
  using Look = std::tuple<int, int, float, float, std::uint64_t>;
  Turns& TurnsOf(const ImagePtr& image);

  // Effects load the same picture each for themselves: sprites that look alike share
  // one set of turned copies. The keys keep the sprites alive.
  std::map<ImagePtr, Turns*> byImage_;
  std::map<Look, Turns> byLook_;
};

// Turns frame 0 of an image clockwise about its handle by whole degrees (nearest pixel).
ImagePtr TurnImage(const Image& image, int degrees);

}  // namespace tolvex
