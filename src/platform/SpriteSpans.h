#pragma once
// Sprites written straight into a software back buffer. SDL's software renderer blends
// every pixel of a copy one by one, transparent corners included; a sprite kept as rows
// of its visible pixels is blended here, several pixels at a time, with SDL's own
// arithmetic, so the picture comes out the same to the last bit.
#include <SDL_surface.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/DrawCalls.h"

namespace tolvex {

// A picture as rows of the pixels that are not fully transparent: such pixels never
// change the screen in the alpha and additive blend modes.
class SpriteSpans {
 public:
  // The span of row y: pixels [begin, end) may be visible.
  struct Span {
    int begin = 0, end = 0;
    std::ptrdiff_t offset = 0;  // where pixel x of the row lies: at offset + x
    bool opaque = false;        // every pixel of the span is fully opaque
  };
  // Keep a reference to the pixels, or a copy of just the visible ones.
  enum class Storage { Refer, Copy };

  // Reads the pixels (row by row, stride pixels apart). Referred pixels must outlive the spans.
  SpriteSpans(const std::uint32_t* pixels, int stride, int width, int height, Storage storage = Storage::Refer);
  SpriteSpans(SpriteSpans&&) = default;  // a copy keeps its buffer when moved
  SpriteSpans(const SpriteSpans&) = delete;
  SpriteSpans& operator=(const SpriteSpans&) = delete;

  int Width() const { return width_; }
  int Height() const { return static_cast<int>(spans_.size()); }
  // Visible pixels, summed over the rows.
  int VisiblePixels() const { return visible_; }
  // Every pixel of the picture is fully opaque (a backdrop's tile, say).
  bool Opaque() const { return opaque_; }
  // The smallest rectangle holding every visible pixel; empty (w = h = 0) when none is.
  const SDL_Rect& VisibleBox() const { return box_; }
  Span RowSpan(int y) const { return spans_[static_cast<std::size_t>(y)]; }
  // Pixel x of row y, for x inside the row's span.
  const std::uint32_t* At(int x, int y) const { return base_ + spans_[static_cast<std::size_t>(y)].offset + x; }
  // Asks the caches for the spans of rows [first, end) and, where the visible pixels are a copy,
  // for those too, all at once: they lie together, and asking ahead overlaps the misses of a
  // sprite drawn from a large set, such as the effects' many turned copies.
  void Prefetch(int first, int end) const {
    if (first >= end) return;
    constexpr std::size_t kLine = 64, kMostPixelBytes = 8192;
    const auto* rows = reinterpret_cast<const char*>(spans_.data());
    const auto rowsEnd = static_cast<std::size_t>(end) * sizeof(Span);
    for (auto at = static_cast<std::size_t>(first) * sizeof(Span); at < rowsEnd; at += kLine) __builtin_prefetch(rows + at);
    const auto* pixels = reinterpret_cast<const char*>(copy_.data());
    const std::size_t bytes = std::min(copy_.size() * sizeof(std::uint32_t), kMostPixelBytes);
    for (std::size_t at = 0; at < bytes; at += kLine) __builtin_prefetch(pixels + at);
  }

 private:
  int width_, visible_ = 0;
  bool opaque_ = false;
  SDL_Rect box_{0, 0, 0, 0};
  std::vector<Span> spans_;
  std::vector<std::uint32_t> copy_;
  const std::uint32_t* base_ = nullptr;
};

// True for the blend modes BlitSpans draws (alpha and additive).
bool SpansCanBlend(SDL_BlendMode blend);
// True where BlitSpans draws the sprite with that look: blending it, or, for a copy without
// blending or tint, copying it when every pixel is opaque (SDL copies every pixel, the
// transparent ones the spans leave out included).
bool SpansCanDraw(const SpriteSpans& sprite, const TextureLook& look);
// Blends n source pixels over n screen pixels with that look (alpha or additive), with SDL's
// arithmetic for a copy from an ARGB8888 surface.
void BlendSpanRow(std::uint32_t* dst, const std::uint32_t* src, int n, const TextureLook& look);
// Blends the sprite with its top-left at (x, y) into an ARGB8888 surface, clipped to
// clip, exactly as SDL's software renderer draws an unscaled copy with that look.
void BlitSpans(SDL_Surface& target, const SDL_Rect& clip, const SpriteSpans& sprite, int x, int y,
               const TextureLook& look);

}  // namespace tolvex
