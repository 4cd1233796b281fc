#pragma once
// Collects particle sprites into runs of one texture and blend mode and draws
// each run with one geometry call, so thousands of particles cost few draws.
#include <cstdint>
#include <vector>

#include <SDL_render.h>

#include "platform/Image.h"

namespace tolvex {

class ParticleBatch {
 public:
  // The state the next sprite is drawn with, as the drawing state would hold it.
  void SetRotation(float degrees);
  void SetBlend(int mode);
  void SetColor(std::uint8_t r, std::uint8_t g, std::uint8_t b);
  void SetAlpha(float alpha);
  // Queues frame 0 of image with its handle at (x, y), turned about the handle.
  void DrawImage(const Image& image, float x, float y);
  // Draws everything queued, in order.
  void Flush();

 private:
  void StartRun(SDL_Texture* texture, int blend);

  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int runBlend_ = 0;
  float textureWidth_ = 1, textureHeight_ = 1;
  float rotation_ = 0, cos_ = 1, sin_ = 0;
  int blend_ = 3;
  SDL_Color colour_{255, 255, 255, 255};
  std::vector<SDL_Vertex> vertices_;
  std::vector<int> indices_;
};

}  // namespace tolvex
