#pragma once

#include <functional>

#include "ArtKit.h"

namespace tolvex::art {

// Draws a shape (a path filled or stroked by `draw` in the canvas' units) as a luminous element:
// a blurred copy in `glow` under a crisp copy in `core`. Returns the composed image.
Image glowingShape(int width, int height, const std::function<void(cairo_t*)>& draw, const Color& core,
                   const Color& glow, int glowRadius, double glowStrength);

// A text label centred in a width x height image, glowing in `glow`; the face is scaled down when
// the text would not fit with `margin` to spare on each side.
Image glowingLabel(int width, int height, const std::string& text, const std::string& face, double pixels,
                   const Color& core, const Color& glow, double margin);

// Composites `top` over `bottom` (same size), straight alpha in and out.
Image over(const Image& top, const Image& bottom);

}  // namespace tolvex::art
