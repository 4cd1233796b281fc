#pragma once
// Sprites turned in whole degrees, made ahead and kept: the software renderer copies a
// ready turned sprite many times faster than it turns one per draw. Each turn of a sprite is
// made the first time the sprite is drawn at that turn (making all 360 at once stalled the
// frame in which an effect first showed), and only its visible pixels are kept, so a sprite
// never takes more than its 360 turns, however long the game runs.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "platform/Image.h"
#include "platform/SpriteSpans.h"

namespace tolvex {

// Frame 0 of a sprite turned by a whole number of degrees.
class TurnedSprite {
 public:
  TurnedSprite(const ImagePtr& source, int degrees);

  // The visible pixels, for writing straight into a software back buffer.
  const SpriteSpans& Spans() const { return spans_; }
  // Where the original handle lands in the turned picture.
  float HandleX() const { return handleX_; }
  float HandleY() const { return handleY_; }
  // The whole turned picture as an image, made on first use (for drawing through SDL).
  const Image& Picture() const;

 private:
  TurnedSprite(ImagePtr source, int degrees, const ImagePtr& turned);

  ImagePtr source_;
  int degrees_;
  SpriteSpans spans_;
  float handleX_, handleY_;
  mutable ImagePtr picture_;
};

class RotatedSprites {
 public:
  // Frame 0 of image turned clockwise by degrees, rounded to a whole degree.
  const TurnedSprite& Get(const ImagePtr& image, float degrees);

 private:
  using Turns = std::vector<std::optional<TurnedSprite>>;  // one per whole degree, made when first drawn
  // What makes two sprites look alike: size, handle and a hash of the pixels.
  using Look = std::tuple<int, int, float, float, std::uint64_t>;
  Turns& TurnsOf(const ImagePtr& image);

  // Effects load the same picture each for themselves: sprites that look alike share
  // one set of turned copies. The keys keep the sprites alive, so an address seen here
  // always means the same sprite.
  std::map<ImagePtr, Turns*> byImage_;
  std::map<Look, Turns> byLook_;
  // The turns found lately, by the sprite's address: every particle drawn asks, and a few
  // instructions answer where a walk through the map took many misses.
  struct Recent {
    const Image* image = nullptr;
    Turns* turns = nullptr;
  };
  static constexpr int kRecentBits = 6;
  std::array<Recent, std::size_t{1} << kRecentBits> recent_{};
};

// Turns frame 0 of an image clockwise about its handle by whole degrees (nearest pixel).
ImagePtr TurnImage(const Image& image, int degrees);

// Draws image (frame 0) turned by the current rotation, with its handle at (x, y), from the
// turns kept in `turns`, straight into a software back buffer; false, drawing nothing, on
// a GPU renderer or where the turned sprite cannot stand in (then draw it the usual way).
bool DrawTurned(RotatedSprites& turns, const ImagePtr& image, float x, float y);

}  // namespace tolvex
