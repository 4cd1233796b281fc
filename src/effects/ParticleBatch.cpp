#include "effects/ParticleBatch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/DrawCalls.h"
#include "platform/Graphics.h"

namespace tolvex {

void ParticleBatch::SetRotation(float degrees) { rotation_ = degrees; }

void ParticleBatch::TurnCorners() {
  if (rotation_ == turnedBy_) return;
  turnedBy_ = rotation_;
  const float radians = rotation_ * std::numbers::pi_v<float> / 180.0f;
  cos_ = std::cos(radians);
  sin_ = std::sin(radians);
}

void ParticleBatch::SetBlend(int mode) { blend_ = mode; }

void ParticleBatch::SetColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  colour_.r = r;
  colour_.g = g;
  colour_.b = b;
}

void ParticleBatch::SetAlpha(float alpha) { colour_.a = AlphaByte(alpha); }

void ParticleBatch::DrawImage(const ImagePtr& image, float x, float y) {
  SDL_Renderer* renderer = ScreenRenderer();
  if (!renderer) return;
  if (renderer != renderer_) UseRenderer(renderer);
  if (copying_) {
    Copy(image, x, y);
    return;
  }
  SDL_Texture* texture = blend_ == kBlendMask ? image->MaskTexture(renderer) : image->Texture(renderer);
  if (texture) Queue(*image, texture, x, y);
}

void ParticleBatch::SetMode(Mode mode) {
  Flush();
  mode_ = mode;
  renderer_ = nullptr;  // chosen again at the next sprite
}

void ParticleBatch::UseRenderer(SDL_Renderer* renderer) {
  Flush();
  renderer_ = renderer;
  if (mode_ != Mode::ByRenderer) {
    copying_ = mode_ == Mode::Copies;
    return;
  }
  SDL_RendererInfo info{};
  copying_ = SDL_GetRendererInfo(renderer, &info) != 0 || (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

void ParticleBatch::Copy(const ImagePtr& image, float x, float y) {
  SDL_Color colour = colour_;
  if (blend_ == kBlendMask) colour.a = 255;
  const TextureLook look{SdlBlendOf(blend_), colour};
  const TurnedSprite* turned = std::fmod(rotation_, 360.0f) == 0 ? nullptr : &rotated_.Get(image, rotation_);
  const SpanCopy copy{turned, image.get(), x, y, look};
  if (blend_ != kBlendMask && CanRenderSpans(renderer_, look)) {
    // The turned sprite is not read now: by the time it is written it would have left the cache.
    copies_.push_back(copy);
    return;
  }
  WriteCopies();  // the copies before this one must land first
  const SDL_FPoint at = copy.TopLeft();
  const SpriteSpans& spans = copy.Spans();
  const SDL_FRect target{at.x, at.y, static_cast<float>(spans.Width()), static_cast<float>(spans.Height())};
  const Image& picture = turned ? turned->Picture() : *image;
  SDL_Texture* texture = blend_ == kBlendMask ? picture.MaskTexture(renderer_) : picture.Texture(renderer_);
  if (!texture) return;
  const SDL_Rect source{picture.FrameLeft(0), picture.FrameTop(0), picture.Width(), picture.Height()};
  RenderCopy(renderer_, texture, look, source, target);
}

void ParticleBatch::Queue(const Image& image, SDL_Texture* texture, float x, float y) {
  if (texture != texture_ || blend_ != runBlend_) StartRun(texture, blend_);
  TurnCorners();
  const float w = static_cast<float>(image.Width());
  const float h = static_cast<float>(image.Height());
  const float u0 = static_cast<float>(image.FrameLeft(0)) / textureWidth_;
  const float v0 = static_cast<float>(image.FrameTop(0)) / textureHeight_;
  const float u1 = u0 + w / textureWidth_;
  const float v1 = v0 + h / textureHeight_;
  const float corners[4][4] = {{0, 0, u0, v0}, {w, 0, u1, v0}, {w, h, u1, v1}, {0, h, u0, v1}};
  // A mask is drawn opaque where it is solid, whatever the alpha.
  SDL_Color colour = colour_;
  if (blend_ == kBlendMask) colour.a = 255;
  const int first = static_cast<int>(vertices_.size());
  for (const auto& c : corners) {
    // Turned clockwise on screen (y grows downwards) about the handle.
    const float dx = c[0] - image.HandleX();
    const float dy = c[1] - image.HandleY();
    vertices_.push_back({{x + dx * cos_ - dy * sin_, y + dx * sin_ + dy * cos_}, colour, {c[2], c[3]}});
  }
  for (int i : {0, 1, 2, 0, 2, 3}) indices_.push_back(first + i);
}

void ParticleBatch::StartRun(SDL_Texture* texture, int blend) {
  Flush();
  texture_ = texture;
  runBlend_ = blend;
  int tw = 1, th = 1;
  SDL_QueryTexture(texture, nullptr, nullptr, &tw, &th);
  textureWidth_ = static_cast<float>(tw);
  textureHeight_ = static_cast<float>(th);
}

const SpriteSpans& ParticleBatch::SpanCopy::Spans() const { return turned ? turned->Spans() : image->Spans(); }

SDL_FPoint ParticleBatch::SpanCopy::TopLeft() const {
  const float handleX = turned ? turned->HandleX() : image->HandleX();
  const float handleY = turned ? turned->HandleY() : image->HandleY();
  return SDL_FPoint{x - handleX, y - handleY};
}

void ParticleBatch::WriteCopies() {
  // The sprites lie scattered over many turned copies: each is asked for a few copies early.
  constexpr std::size_t kAhead = 4;
  for (std::size_t i = 0; i < copies_.size(); ++i) {
    if (i + kAhead < copies_.size()) copies_[i + kAhead].Prefetch();
    const SpanCopy& copy = copies_[i];
    const SDL_FPoint at = copy.TopLeft();
    // Whole pixels as the software renderer places them: the fractions are cut off.
    RenderSpans(renderer_, copy.Spans(), static_cast<int>(at.x), static_cast<int>(at.y), copy.look);
  }
  copies_.clear();
}

void ParticleBatch::Flush() {
  WriteCopies();
  if (!indices_.empty() && renderer_ && texture_) {
    RenderGeometry(renderer_, texture_, SdlBlendOf(runBlend_), vertices_, indices_);
  }
  vertices_.clear();
  indices_.clear();
  texture_ = nullptr;
}

}  // namespace tolvex
