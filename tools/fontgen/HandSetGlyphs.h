#pragma once

#include "GlyphCell.h"

namespace tolvex::art {

// Sets '1', 'l' or 'I' pixel by pixel, because at 8 px high a face draws all three as nearly the same
// bar: the one gets a flag and a foot, the l a tail to the right, the I stays a bare stem, so
// "Time:11" never reads "Time:ll". Returns false for any other character.
bool setTellTaleGlyph(int code, const LetterFrame& frame, GlyphCell& cell);

// Adds the two dots of an umlaut above the letter in `cell` whose ink starts at row `letterTop`:
// crisp and a clear row above it, over its quarter points, so they neither merge with each other nor
// with the letter.
void addUmlautDots(GlyphCell& cell, int letterTop, const LetterFrame& frame);

}  // namespace tolvex::art
