#pragma once
// Sprites written straight into a software back buffer. SDL's software renderer blends
// every pixel of a copy one by one, transparent corners included; a sprite kept as rows
// of its visible pixels is blended here, several pixels at a time, with SDL's own
// arithmetic, so the picture comes out the same to the last bit.
#include <SDL_surface.h>

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
  };

  // Refers to the pixels (row by row, stride pixels apart); they must outlive the spans.
  SpriteSpans(const std::uint32_t* pixels, int stride, int width, int height);

  int Width() const { return width_; }
  int Height() const { return static_cast<int>(spans_.size()); }
  // Visible pixels, summed over the rows.
  int VisiblePixels() const { return visible_; }
  const std::uint32_t* Row(int y) const { return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_; }
  Span RowSpan(int y) const { return spans_[static_cast<std::size_t>(y)]; }

 private:
  const std::uint32_t* pixels_;
  int stride_, width_, visible_ = 0;
  std::vector<Span> spans_;
};

// True for the blend modes BlitSpans draws (alpha and additive).
bool SpansCanBlend(SDL_BlendMode blend);
// Blends the sprite with its top-left at (x, y) into an ARGB8888 surface, clipped to
// clip, exactly as SDL's software renderer draws an unscaled copy with that look.
void BlitSpans(SDL_Surface& target, const SDL_Rect& clip, const SpriteSpans& sprite, int x, int y,
               const TextureLook& look);

}  // namespace tolvex
