#include "HandSetGlyphs.h"

#include <algorithm>
#include <cmath>

namespace tolvex::art {

namespace {

// Lights columns [from, to) of row y, `from` counted from `left`.
void fillRow(GlyphCell& cell, int left, int y, int from, int to, float alpha = 1.f) {
    for (int x = left + from; x < left + to; ++x)
        if (x >= 0 && x < cell.width) cell.at(x, y) = std::max(cell.at(x, y), alpha);
}

// Centres a glyph `width` columns wide in the cell, leaving the right-hand column clear.
int leftFor(const GlyphCell& cell, int width) { return std::max(0, (cell.width - width) / 2); }

// A stem with a flag at its top left and a foot across its bottom.
void setOne(const LetterFrame& f, GlyphCell& cell) {
    constexpr int width = 4;
    const int left = leftFor(cell, width), stem = width - 1 - f.stem;
    for (int y = f.capTop; y < f.baseline - 1; ++y) fillRow(cell, left, y, stem, stem + f.stem);
    fillRow(cell, left, f.capTop + 1, stem - 1, stem);
    if (stem >= 2) fillRow(cell, left, f.capTop + 2, stem - 2, stem - 1, 0.6f);
    fillRow(cell, left, f.baseline - 1, stem - 1, stem + f.stem + 1);
}

// A stem as tall as b and d whose foot curls to the right: a short hook that fades out, not the
// long straight foot of an L.
void setEll(const LetterFrame& f, GlyphCell& cell) {
    const int width = f.stem + 2, left = leftFor(cell, width), bottom = f.baseline - 1;
    for (int y = f.ascenderTop; y < bottom; ++y) fillRow(cell, left, y, 0, f.stem);
    fillRow(cell, left, bottom, 0, 1, 0.35f);
    fillRow(cell, left, bottom, 1, f.stem + 1);
    fillRow(cell, left, bottom, f.stem + 1, f.stem + 2, 0.5f);
}

// A bare stem of capital height.
void setCapitalI(const LetterFrame& f, GlyphCell& cell) {
    const int left = leftFor(cell, f.stem);
    for (int y = f.capTop; y < f.baseline; ++y) fillRow(cell, left, y, 0, f.stem);
}

}  // namespace

bool setTellTaleGlyph(int code, const LetterFrame& frame, GlyphCell& cell) {
    switch (code) {
        case '1': setOne(frame, cell); return true;
        case 'l': setEll(frame, cell); return true;
        case 'I': setCapitalI(frame, cell); return true;
        default: return false;
    }
}

void addUmlautDots(GlyphCell& cell, int letterTop, const LetterFrame& frame) {
    int inkLeft = cell.width, inkRight = -1;
    for (int y = letterTop; y < kFontLineHeight; ++y)
        for (int x = 0; x < cell.width; ++x)
            if (cell.at(x, y) >= 0.5f) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
    if (inkRight < 0) return;
    const int span = inkRight - inkLeft + 1 - frame.stem;
    const int first = inkLeft + static_cast<int>(std::lround(span * 0.25));
    const int second = std::max(first + frame.stem + 1, inkLeft + static_cast<int>(std::lround(span * 0.75)));
    const int bottom = letterTop - 2, top = std::max(kFontInkTop, bottom - frame.stem + 1);
    for (int y = top; y <= bottom; ++y) {
        fillRow(cell, 0, y, first, first + frame.stem);
        fillRow(cell, 0, y, second, second + frame.stem);
    }
}

}  // namespace tolvex::art
