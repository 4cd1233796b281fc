#pragma once

#include <vector>

namespace tolvex::art {

// Where one character lies in a font texture: code (Latin-1), left edge, top edge, width.
struct GlyphRecord {
    int code, x, y, width;
};

// The layout shared by the game's three fonts.
inline constexpr int kFontTextureWidth = 256;
inline constexpr int kFontTextureHeight = 128;
inline constexpr int kFontLineHeight = 16;
inline constexpr int kFontBlankWidth = 8;
inline constexpr int kFontWidestChar = 13;
// The rows [top, end) of a glyph's cell that may hold ink: a text panel stacks lines 12 px apart,
// so glyphs kept to these 11 rows leave a clear row between one line's descenders and the next
// line's capitals.
inline constexpr int kFontInkTop = 2;
inline constexpr int kFontInkEnd = 13;

// The 100 character records, in file order (row by row, left to right).
const std::vector<GlyphRecord>& fontRecords();

}  // namespace tolvex::art
