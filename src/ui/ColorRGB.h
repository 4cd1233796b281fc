#pragma once
// Setting the drawing colour from one 0xRRGGBB integer.
#include "platform/Graphics.h"

namespace tolvex {

// Drawing colour from 0xRRGGBB; the top byte is ignored.
inline void SetColorFromRGB(int rgb) { SetColor((rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255); }

}  // namespace tolvex
