#pragma once
// A font made inside the tests: the game's character records (line height 16, blank 8) written
// as a ".dat" file beside a texture painted here, so every glyph's pixels are known.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/Image.h"
#include "support/TempFolder.h"
#include "ui/FontMetrics.h"

namespace tolvex::test {

// The game's 100 character records, as its embedded "font.dat" holds them.
std::vector<FontMetricsRecord> GameFontRecords();

// The bytes of a metrics file with the game's header and the given records.
std::vector<unsigned char> EncodeMetrics(const std::vector<FontMetricsRecord>& records, int lineHeight = 16,
                                         int blankWidth = 8);

// Paints one glyph into the texture at its record's rectangle.
using GlyphPainter = std::function<void(Pixmap& texture, const FontMetricsRecord& record, int lineHeight)>;
// Fills the whole rectangle with opaque white.
void PaintSolidGlyph(Pixmap& texture, const FontMetricsRecord& record, int lineHeight);

// A 256 × 128 texture, opaque black (the mask colour) except for the painted glyphs.
Pixmap MakeFontTexture(const std::vector<FontMetricsRecord>& records, const GlyphPainter& paint, int lineHeight = 16);

// Writes "<stem>.png" and "<stem>.dat" into the folder; returns the texture path.
std::string WriteGameFont(const TempFolder& folder, const std::string& stem,
                          const GlyphPainter& paint = PaintSolidGlyph);

// Writes raw bytes to a file.
void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);

}  // namespace tolvex::test
