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

// The 100 character records, in file order (row by row, left to right).
const std::vector<GlyphRecord>& fontRecords();

}  // namespace tolvex::art
