#pragma once
// Turned copies written straight into a software back buffer. SDL's software renderer
// turns a picture per draw into a fresh surface the size of its turned box, then blends
// that whole box; here each row of the box is turned into a small buffer, only where it
// falls inside the picture, and blended at once, with SDL's own fixed-point arithmetic
// and filtering, so the picture comes out the same to the last bit.
#include <SDL_rect.h>
#include <SDL_surface.h>

#include <cstdint>

#include "platform/DrawCalls.h"

namespace tolvex {

// A rectangle of 32-bit ARGB pixels, row by row, stride pixels apart.
struct PixelRect {
  const std::uint32_t* pixels = nullptr;
  int stride = 0, width = 0, height = 0;
  // Where anything may show: every pixel outside is fully transparent. Empty: anywhere.
  SDL_Rect visible{};
};

// How a copy is turned: clockwise by angle degrees about centre (measured from the copy's
// top-left), filtered between neighbouring pixels when smooth, picked nearest otherwise.
struct Turn {
  double angle = 0;
  SDL_FPoint centre{};
  bool smooth = true;
};

// The box a picture of this size covers when turned, relative to its unturned top-left, as SDL
// works it out: every pixel BlitTurned may write lies in it.
SDL_Rect TurnedBox(int width, int height, const Turn& turn);

// Blends picture, turned, with its unturned top-left at (x, y) into an ARGB8888 surface,
// clipped to clip, exactly as SDL's software renderer draws an unscaled, unmirrored
// turned copy with that look (alpha or additive blending).
void BlitTurned(SDL_Surface& target, const SDL_Rect& clip, const PixelRect& picture, int x, int y, const Turn& turn,
                const TextureLook& look);

}  // namespace tolvex
