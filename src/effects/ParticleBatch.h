#pragma once
// Draws particle sprites. On an accelerated renderer it collects them into runs
// of one texture and blend mode and draws each run with one geometry call, so
// thousands of particles cost few draws; the software renderer blits textured
// triangles and turns sprites slowly, so there each sprite is copied, turned ahead
// of time in whole degrees. Copies written straight into the back buffer are kept
// until the flush and written in one go, in order: the particles' own work between
// them would otherwise push the screen and the sprites out of the caches.
#include <cstdint>
#include <vector>

#include <SDL_render.h>

#include "core/Prefetch.h"
#include "effects/RotatedSprites.h"
#include "platform/Image.h"

namespace tolvex {

class ParticleBatch {
 public:
  // How sprites reach the screen: chosen by the renderer, or forced (tests, benchmarks).
  enum class Mode { ByRenderer, Geometry, Copies };
  void SetMode(Mode mode);

  // The state the next sprite is drawn with, as the drawing state would hold it.
  void SetRotation(float degrees);
  void SetBlend(int mode);
  void SetColor(std::uint8_t r, std::uint8_t g, std::uint8_t b);
  void SetAlpha(float alpha);
  // Draws frame 0 of image with its handle at (x, y), turned about the handle.
  void DrawImage(const ImagePtr& image, float x, float y);
  // Draws everything queued, in order.
  void Flush();

 private:
  void UseRenderer(SDL_Renderer* renderer);
  void StartRun(SDL_Texture* texture, int blend);
  void Queue(const Image& image, SDL_Texture* texture, float x, float y);
  void Copy(const ImagePtr& image, float x, float y);
  // Writes the kept copies into the back buffer, in order.
  void WriteCopies();
  // The sine and cosine of the rotation, worked out only where corners are turned: the
  // software renderer's copies take their turn from the sprites turned ahead.
  void TurnCorners();

  SDL_Renderer* renderer_ = nullptr;
  Mode mode_ = Mode::ByRenderer;
  // Each sprite is copied rather than batched as triangles (the software renderer's fastest way).
  bool copying_ = false;
  SDL_Texture* texture_ = nullptr;
  int runBlend_ = 0;
  float textureWidth_ = 1, textureHeight_ = 1;
  float rotation_ = 0;
  float turnedBy_ = 0, cos_ = 1, sin_ = 0;  // the rotation the sine and cosine belong to
  int blend_ = 3;
  SDL_Color colour_{255, 255, 255, 255};
  RotatedSprites rotated_;
  // A sprite to be written straight into the back buffer at the flush: frame 0 of image,
  // turned as `turned` holds it (null: not turned), with its handle at (x, y).
  struct SpanCopy {
    const SpriteSpans& Spans() const;
    // Where the sprite's top-left corner lands, in whole pixels and fractions.
    SDL_FPoint TopLeft() const;
    // Asks for the head of the sprite: where its spans and handle are found.
    void Prefetch() const { PrefetchBytes(turned ? static_cast<const void*>(turned) : image, 2 * kCacheLine); }

    const TurnedSprite* turned;
    const Image* image;
    float x, y;
    TextureLook look;
  };
  std::vector<SpanCopy> copies_;
  std::vector<SDL_Vertex> vertices_;
  std::vector<int> indices_;
};

}  // namespace tolvex
