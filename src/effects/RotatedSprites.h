#pragma once
// Sprites turned in whole degrees, made once and kept: the software renderer
// copies a ready turned sprite many times faster than it turns one per draw.
#include <array>
#include <map>
#include <memory>

#include "platform/Image.h"

namespace tolvex {

class RotatedSprites {
 public:
  // Frame 0 of image turned clockwise by degrees (rounded to a whole degree), with its
  // handle where the original handle lands.
  const Image& Get(const ImagePtr& image, float degrees);

 private:
  // The turned copies of one sprite; the key keeps the sprite alive.
  std::map<ImagePtr, std::array<ImagePtr, 360>> turned_;
};

// Turns frame 0 of an image clockwise about its handle by whole degrees (nearest pixel).
ImagePtr TurnImage(const Image& image, int degrees);

}  // namespace tolvex
