#pragma once

#include <string>

#include "Image.h"

namespace tolvex::art {

// How one font texture is rendered.
struct FontStyle {
    std::string faceFile;  // a DejaVu face in fonts-dejavu-core
    std::string wideFile;  // its monospaced sibling, whose fuller letters fill the wide cells
    std::string dotsFile;  // the face whose . , : ; are drawn: a plain face's one-pixel dots get lost
    double pixels;         // nominal size
    int baseline;          // baseline offset from the top of the 16-px line
    double widen;          // the most a thin letter in a wide cell is widened
    bool halo;             // add a soft glow around every glyph (the alarm font)
};

// White glyphs with antialiased alpha, each centred inside exactly its record's rectangle
// (x, y, width, 16) and kept to the rows [kFontInkTop, kFontInkEnd). Each glyph comes from
// whichever of the two faces fills its cell better, so narrow letters in wide cells (t, l, f) do
// not leave holes in words; glyphs too wide for their rectangle are condensed to fit, glyphs too
// tall for the rows made shorter.
Image renderFontTexture(const FontStyle& style);

}  // namespace tolvex::art
