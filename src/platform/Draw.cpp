// The drawing state and every drawing call, over SDL's renderer.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/Font.h"
#include "platform/Graphics.h"

namespace tolvex {

namespace {

DrawState& State() {
  static DrawState state;
  return state;
}

SDL_BlendMode SdlBlend(int mode) {
  switch (mode) {
    case kBlendSolid: return SDL_BLENDMODE_NONE;
    case kBlendLight: return SDL_BLENDMODE_ADD;
    case kBlendShade: return SDL_BLENDMODE_MOD;
    default: return SDL_BLENDMODE_BLEND;  // alpha, and mask (drawn from the solid-only texture)
  }
}

Uint8 AlphaByte(float alpha) { return static_cast<Uint8>(std::clamp(alpha, 0.0f, 1.0f) * 255.0f + 0.5f); }

// Sets the renderer's colour for primitives from the drawing state.
SDL_Renderer* PrimitiveRenderer() {
  SDL_Renderer* renderer = ScreenRenderer();
  if (!renderer) return nullptr;
  const auto& s = State();
  SDL_SetRenderDrawBlendMode(renderer, SdlBlend(s.blend));
  SDL_SetRenderDrawColor(renderer, s.r, s.g, s.b, s.blend == kBlendSolid ? 255 : AlphaByte(s.alpha));
  return renderer;
}

// The texture to draw an image with in the current blend mode, tinted and faded.
SDL_Texture* PreparedTexture(const Image& image, SDL_Renderer* renderer) {
  const auto& s = State();
  SDL_Texture* texture = s.blend == kBlendMask ? image.MaskTexture(renderer) : image.Texture(renderer);
  if (!texture) return nullptr;
  SDL_SetTextureColorMod(texture, s.r, s.g, s.b);
  SDL_SetTextureAlphaMod(texture, s.blend == kBlendMask ? 255 : AlphaByte(s.alpha));
  SDL_SetTextureBlendMode(texture, SdlBlend(s.blend));
  return texture;
}

void ApplyViewport() {
  SDL_Renderer* renderer = ScreenRenderer();
  if (!renderer) return;
  const auto& s = State();
  if (s.viewX == 0 && s.viewY == 0 && s.viewWidth == ScreenWidth() && s.viewHeight == ScreenHeight()) {
    SDL_RenderSetClipRect(renderer, nullptr);
  } else {
    const SDL_Rect clip{s.viewX, s.viewY, s.viewWidth, s.viewHeight};
    SDL_RenderSetClipRect(renderer, &clip);
  }
}

}  // namespace

const DrawState& CurrentDrawState() { return State(); }

void ResetDrawState() {
  State() = DrawState{};
  State().viewWidth = ScreenWidth();
  State().viewHeight = ScreenHeight();
  ApplyViewport();
}

void SetColor(int r, int g, int b) {
  auto& s = State();
  s.r = std::clamp(r, 0, 255), s.g = std::clamp(g, 0, 255), s.b = std::clamp(b, 0, 255);
}
void SetAlpha(float alpha) { State().alpha = alpha; }
float GetAlpha() { return State().alpha; }
void SetBlend(int mode) { State().blend = mode; }
void SetRotation(float degrees) { State().rotation = degrees; }
float GetRotation() { return State().rotation; }
void SetScale(float sx, float sy) { State().scaleX = sx, State().scaleY = sy; }
void SetFont(const Font* font) { State().font = font; }

void SetViewport(int x, int y, int width, int height) {
  auto& s = State();
  // A gauge filled past its end asks for a negative size: that is an empty viewport, not an error.
  s.viewX = x, s.viewY = y, s.viewWidth = std::max(width, 0), s.viewHeight = std::max(height, 0);
  ApplyViewport();
}

void DrawImageRect(const Image& image, int sx, int sy, int sw, int sh, float x, float y, float u, float v) {
  SDL_Renderer* renderer = ScreenRenderer();
  if (!renderer || sw <= 0 || sh <= 0) return;
  SDL_Texture* texture = PreparedTexture(image, renderer);
  if (!texture) return;
  const auto& s = State();
  // The rectangle's corners after scaling about the pivot; a negative scale mirrors.
  const float left = x + s.scaleX * (s.scaleX < 0 ? u + sw : u);
  const float top = y + s.scaleY * (s.scaleY < 0 ? v + sh : v);
  const SDL_FRect target{left, top, std::fabs(s.scaleX) * sw, std::fabs(s.scaleY) * sh};
  const SDL_FPoint pivot{x - left, y - top};
  const int flip = (s.scaleX < 0 ? SDL_FLIP_HORIZONTAL : 0) | (s.scaleY < 0 ? SDL_FLIP_VERTICAL : 0);
  const SDL_Rect source{sx, sy, sw, sh};
  SDL_RenderCopyExF(renderer, texture, &source, &target, s.rotation, &pivot, static_cast<SDL_RendererFlip>(flip));
}

void DrawImage(const Image& image, float x, float y, int frame) {
  const int f = std::clamp(frame, 0, image.FrameCount() - 1);
  DrawImageRect(image, image.FrameLeft(f), image.FrameTop(f), image.Width(), image.Height(), x, y,
                -image.HandleX(), -image.HandleY());
}

void DrawImage(const ImagePtr& image, float x, float y, int frame) {
  if (image) DrawImage(*image, x, y, frame);
}

void DrawTiled(const ImagePtr& image, float x, float y, int frame) {
  SDL_Renderer* renderer = ScreenRenderer();
  if (!image || !renderer) return;
  SDL_Texture* texture = PreparedTexture(*image, renderer);
  if (!texture) return;
  const auto& s = State();
  const int w = image->Width(), h = image->Height();
  const int f = std::clamp(frame, 0, image->FrameCount() - 1);
  const SDL_Rect source{image->FrameLeft(f), image->FrameTop(f), w, h};
  // The copy whose handle lies at (x, y) fixes the grid; start left of and above the viewport.
  // Whole pixels, so neighbouring copies meet without a filtered seam between them.
  const float originX = std::floor(x - image->HandleX()), originY = std::floor(y - image->HandleY());
  const float startX = originX - std::ceil((originX - s.viewX) / w) * w;
  const float startY = originY - std::ceil((originY - s.viewY) / h) * h;
  for (float ty = startY; ty < s.viewY + s.viewHeight; ty += h) {
    for (float tx = startX; tx < s.viewX + s.viewWidth; tx += w) {
      const SDL_FRect target{tx, ty, static_cast<float>(w), static_cast<float>(h)};
      SDL_RenderCopyF(renderer, texture, &source, &target);
    }
  }
}

void DrawText(std::string_view text, float x, float y) {
  if (const Font* font = State().font) font->Draw(text, x, y);
}
float TextWidth(std::string_view text) { return State().font ? State().font->Width(text) : 0.0f; }
float TextHeight(std::string_view text) { return State().font ? State().font->Height(text) : 0.0f; }

void DrawRect(float x, float y, float width, float height) {
  if (SDL_Renderer* renderer = PrimitiveRenderer()) {
    const SDL_FRect rect{x, y, width, height};
    SDL_RenderFillRectF(renderer, &rect);
  }
}

void DrawLine(float x1, float y1, float x2, float y2) {
  if (SDL_Renderer* renderer = PrimitiveRenderer()) SDL_RenderDrawLineF(renderer, x1, y1, x2, y2);
}

void DrawOval(float x, float y, float width, float height) {
  SDL_Renderer* renderer = PrimitiveRenderer();
  if (!renderer || width <= 0 || height <= 0) return;
  // One span per pixel row, sent as one batch; the buffer is kept between calls.
  const float rx = width / 2, ry = height / 2, cx = x + rx, cy = y + ry;
  static std::vector<SDL_FRect> rows;
  rows.clear();
  for (float row = std::floor(y); row < y + height; row += 1.0f) {
    const float dy = (row + 0.5f - cy) / ry;
    if (dy * dy > 1.0f) continue;
    const float half = rx * std::sqrt(1.0f - dy * dy);
    rows.push_back(SDL_FRect{cx - half, row, 2 * half, 1.0f});
  }
  SDL_RenderFillRectsF(renderer, rows.data(), static_cast<int>(rows.size()));
}

void Plot(float x, float y) {
  if (SDL_Renderer* renderer = PrimitiveRenderer()) SDL_RenderDrawPointF(renderer, x, y);
}

}  // namespace tolvex
