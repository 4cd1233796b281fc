#pragma once
// Pictures scaled as SDL's software renderer scales a copy before it turns it: each pixel
// mixed from the four source pixels around its centre with 7-bit weights, down the two rows
// first and then across, in the arithmetic of SDL's SSE2 path (the one it takes on every
// x86-64), so a scaled copy written straight into the back buffer comes out the same to the bit.
#include <cstdint>

#include "platform/Image.h"

namespace tolvex {

struct PixelRect;

// True when StretchPicture can scale a picture of this size (the filter always reads a pixel's
// neighbour to the right and below, so a side of one pixel is left to SDL) to a size of
// width × height.
bool CanStretch(const PixelRect& picture, int width, int height);
// Writes picture scaled to out's size into out.
void StretchPicture(const PixelRect& picture, Pixmap& out);

}  // namespace tolvex
