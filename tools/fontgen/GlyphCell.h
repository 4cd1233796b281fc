#pragma once

#include <vector>

#include "FontRecords.h"

namespace tolvex::art {

// Coverage of one glyph cell (its record's width x the 16-px line), 0..1.
struct GlyphCell {
    int width;
    std::vector<float> alpha;

    explicit GlyphCell(int w) : width(w), alpha(static_cast<std::size_t>(w) * kFontLineHeight, 0.f) {}
    float& at(int x, int y) { return alpha[static_cast<std::size_t>(y) * width + x]; }
    float at(int x, int y) const { return alpha[static_cast<std::size_t>(y) * width + x]; }
};

// Where a face's letters stand in the cell at the font's size, so glyphs set by hand match them.
struct LetterFrame {
    int stem;         // stem width in pixels
    int capTop;       // first row of a capital
    int ascenderTop;  // first row of b, d, l
    int baseline;     // first row below the letters
};

}  // namespace tolvex::art
