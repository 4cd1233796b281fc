// The drawing state and every drawing call, over SDL's renderer.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "platform/DrawCalls.h"
#include "platform/Font.h"
#include "platform/Graphics.h"
#include "platform/SpriteSpans.h"
#include "platform/TurnedCopy.h"

namespace tolvex {

namespace {

DrawState& State() {
  static DrawState state;
  return state;
}

// The state's blend mode and colour, with its alpha unless the mode ignores alpha.
TextureLook StateLook(bool opaque) {
  const auto& s = State();
  const SDL_Color colour{static_cast<Uint8>(s.r), static_cast<Uint8>(s.g), static_cast<Uint8>(s.b),
                         opaque ? Uint8{255} : AlphaByte(s.alpha)};
  return TextureLook{SdlBlendOf(s.blend), colour};
}

TextureLook PrimitiveLook() { return StateLook(State().blend == kBlendSolid); }

// The texture to draw an image with in the current blend mode, and how it is tinted and faded.
SDL_Texture* PreparedTexture(const Image& image, SDL_Renderer* renderer, TextureLook& look) {
  const bool mask = State().blend == kBlendMask;
  look = StateLook(mask);
  return mask ? image.MaskTexture(renderer) : image.Texture(renderer);
}

void ApplyViewport() {
  SDL_Renderer* renderer = ScreenRenderer();
  if (!renderer) return;
  const auto& s = State();
  if (ViewportIsWholeScreen()) {
    RenderClipRect(renderer, nullptr);
  } else {
    const SDL_Rect clip{s.viewX, s.viewY, s.viewWidth, s.viewHeight};
    RenderClipRect(renderer, &clip);
  }
}

// Copies frame 0 of an image with its top-left at (x, y) band by band: see-through bands are
// left out, and bands that are opaque throughout need no blending when nothing fades them.
// A GPU renderer without spare fill rate (a CPU rasteriser) draws the same picture faster.
void CopyVisibleBands(SDL_Renderer* renderer, SDL_Texture* texture, const TextureLook& look, const Image& image,
                      float x, float y) {
  const bool canSkipBlending = look.blend == SDL_BLENDMODE_BLEND && look.mod.a == 255;
  for (const VisibleBand& band : image.VisibleBands()) {
    TextureLook bandLook = look;
    if (band.opaque && canSkipBlending) bandLook.blend = SDL_BLENDMODE_NONE;
    const SDL_Rect source{image.FrameLeft(0) + band.x, image.FrameTop(0) + band.y, band.width, band.height};
    const SDL_FRect target{x + static_cast<float>(band.x), y + static_cast<float>(band.y),
                           static_cast<float>(band.width), static_cast<float>(band.height)};
    RenderCopy(renderer, texture, bandLook, source, target);
  }
}

// The pixels a copy of part of an image, drawn from texture, turns onto target: the part itself
// when the target has its size (SDL cuts the target's size to whole pixels), else the part scaled
// to the target's size; none where SDL must draw the copy itself.
std::optional<PixelRect> PictureToTurn(const Image& image, SDL_Texture* texture, const SDL_Rect& part,
                                      const SDL_FRect& target) {
  const Pixmap& strip = image.Strip();
  const bool inside = part.x >= 0 && part.y >= 0 && part.x + part.w <= strip.width && part.y + part.h <= strip.height;
  if (!inside) return std::nullopt;
  const int width = static_cast<int>(target.w), height = static_cast<int>(target.h);
  if (width == part.w && height == part.h) {
    // Frame 0 knows where its visible pixels are: the turn skips the see-through margin.
    const bool firstFrame =
        part.x == image.FrameLeft(0) && part.y == image.FrameTop(0) && part.w == image.Width() && part.h == image.Height();
    return PixelRect{strip.pixels.data() + static_cast<std::ptrdiff_t>(part.y) * strip.width + part.x, strip.width,
                     part.w, part.h, firstFrame ? image.Spans().VisibleBox() : SDL_Rect{}};
  }
  // SDL scales a texture it picks pixels from (nearest) another way: that is left to SDL.
  SDL_ScaleMode mode = SDL_ScaleModeLinear;
  if (SDL_GetTextureScaleMode(texture, &mode) != 0 || mode == SDL_ScaleModeNearest) return std::nullopt;
  const ScaledPart* scaled = image.Scaled(part.x, part.y, part.w, part.h, width, height);
  if (!scaled) return std::nullopt;
  return PixelRect{scaled->pixels.pixels.data(), width, width, height,
                   SDL_Rect{scaled->visibleX, scaled->visibleY, scaled->visibleWidth, scaled->visibleHeight}};
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

bool ViewportIsWholeScreen() {
  const auto& s = State();
  return s.viewX == 0 && s.viewY == 0 && s.viewWidth == ScreenWidth() && s.viewHeight == ScreenHeight();
}

void SetViewport(int x, int y, int width, int height) {
  auto& s = State();
  // A gauge filled past its end asks for a negative size: that is an empty viewport, not an error.
  s.viewX = x, s.viewY = y, s.viewWidth = std::max(width, 0), s.viewHeight = std::max(height, 0);
  ApplyViewport();
}

void DrawImageRect(const Image& image, int sx, int sy, int sw, int sh, float x, float y, float u, float v) {
  SDL_Renderer* renderer = ScreenRenderer();
  if (!renderer || sw <= 0 || sh <= 0) return;
  TextureLook look;
  SDL_Texture* texture = PreparedTexture(image, renderer, look);
  if (!texture) return;
  const auto& s = State();
  // The rectangle's corners after scaling about the pivot; a negative scale mirrors.
  const float left = x + s.scaleX * (s.scaleX < 0 ? u + sw : u);
  const float top = y + s.scaleY * (s.scaleY < 0 ? v + sh : v);
  const SDL_FRect target{left, top, std::fabs(s.scaleX) * sw, std::fabs(s.scaleY) * sh};
  const SDL_FPoint pivot{x - left, y - top};
  const int flip = (s.scaleX < 0 ? SDL_FLIP_HORIZONTAL : 0) | (s.scaleY < 0 ? SDL_FLIP_VERTICAL : 0);
  // On the software renderer a copy is turned straight into the back buffer, from the picture
  // scaled first where it is scaled, as SDL scales it.
  if (s.blend != kBlendMask && s.scaleX > 0 && s.scaleY > 0 && CanRenderSpans(renderer, look)) {
    if (const std::optional<PixelRect> picture = PictureToTurn(image, texture, SDL_Rect{sx, sy, sw, sh}, target)) {
      if (RenderTurned(renderer, texture, look, *picture, target, s.rotation, pivot)) return;
    }
  }
  const SDL_Rect source{sx, sy, sw, sh};
  RenderCopyEx(renderer, texture, look, source, target, s.rotation, pivot, static_cast<SDL_RendererFlip>(flip));
}

void DrawImage(const Image& image, float x, float y, int frame) {
  const int f = std::clamp(frame, 0, image.FrameCount() - 1);
  DrawImageRect(image, image.FrameLeft(f), image.FrameTop(f), image.Width(), image.Height(), x, y,
                -image.HandleX(), -image.HandleY());
}

void DrawImage(const ImagePtr& image, float x, float y, int frame) {
  if (image) DrawImage(*image, x, y, frame);
}

bool DrawSpans(const SpriteSpans& sprite, float hx, float hy, float x, float y) {
  const auto& s = State();
  if (s.blend == kBlendMask || s.scaleX != 1 || s.scaleY != 1) return false;
  // Whole pixels as the software renderer places them: the fractions are cut off.
  return RenderSpans(ScreenRenderer(), sprite, static_cast<int>(x - hx), static_cast<int>(y - hy), StateLook(false));
}

void DrawTiled(const ImagePtr& image, float x, float y, int frame) {
  SDL_Renderer* renderer = ScreenRenderer();
  if (!image || !renderer) return;
  TextureLook look;
  SDL_Texture* texture = PreparedTexture(*image, renderer, look);
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
  // Frames past the first, and masks, are copied whole; the rest only where they can be seen.
  const bool whole = f != 0 || s.blend == kBlendMask;
  for (float ty = startY; ty < s.viewY + s.viewHeight; ty += h) {
    for (float tx = startX; tx < s.viewX + s.viewWidth; tx += w) {
      // On the software renderer the visible runs of each row are written straight into the
      // back buffer: a backdrop's see-through parts cost nothing and its pixels come out the same.
      if (whole) {
        const SDL_FRect target{tx, ty, static_cast<float>(w), static_cast<float>(h)};
        RenderCopy(renderer, texture, look, source, target);
      } else if (!RenderSpans(renderer, image->Spans(), static_cast<int>(tx), static_cast<int>(ty), look)) {
        CopyVisibleBands(renderer, texture, look, *image, tx, ty);
      }
    }
  }
}

void DrawText(std::string_view text, float x, float y) {
  if (const Font* font = State().font) font->Draw(text, x, y);
}
float TextWidth(std::string_view text) { return State().font ? State().font->Width(text) : 0.0f; }
float TextHeight(std::string_view text) { return State().font ? State().font->Height(text) : 0.0f; }

void DrawRect(float x, float y, float width, float height) {
  if (SDL_Renderer* renderer = ScreenRenderer()) {
    const SDL_FRect rect{x, y, width, height};
    const TextureLook look = PrimitiveLook();
    RenderFillRects(renderer, look.mod, look.blend, std::span(&rect, 1));
  }
}

void DrawLine(float x1, float y1, float x2, float y2) {
  if (SDL_Renderer* renderer = ScreenRenderer()) {
    const TextureLook look = PrimitiveLook();
    RenderLine(renderer, look.mod, look.blend, SDL_FPoint{x1, y1}, SDL_FPoint{x2, y2});
  }
}

void DrawOval(float x, float y, float width, float height) {
  SDL_Renderer* renderer = ScreenRenderer();
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
  const TextureLook look = PrimitiveLook();
  RenderFillRects(renderer, look.mod, look.blend, rows);
}

void Plot(float x, float y) {
  if (SDL_Renderer* renderer = ScreenRenderer()) {
    const TextureLook look = PrimitiveLook();
    RenderPoint(renderer, look.mod, look.blend, SDL_FPoint{x, y});
  }
}

}  // namespace tolvex
