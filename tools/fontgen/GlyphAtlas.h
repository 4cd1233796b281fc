#pragma once

#include <string>

#include "Image.h"

namespace tolvex::art {

// How one font texture is rendered.
struct FontStyle {
    std::string faceFile;  // a DejaVu face in fonts-dejavu-core
    std::string wideFile;  // its monospaced sibling, whose fuller letters fill the wide cells
    double pixels;         // nominal size
    int baseline;          // baseline offset from the top of the 16-px line
    bool halo;             // add a soft glow around every glyph (the alarm font)
};

// White glyphs with antialiased alpha, each centred inside exactly its record's rectangle
// (x, y, width, 16). Each glyph comes from whichever of the two faces fills its cell better, so
// narrow letters in wide cells (t, l, f) do not leave holes in words; glyphs too wide for their
// rectangle are condensed to fit.
Image renderFontTexture(const FontStyle& style);

}  // namespace tolvex::art
