#pragma once
// A bitmap font: one texture holding all glyphs side by side, and the glyph
// records that say where each character lies and how far it advances.
#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/Font.h"
#include "platform/Image.h"
#include "ui/TVizazIrudGlyph.h"

namespace tolvex {

struct FontMetrics;

// Which loader built a font (the game only uses the ".dat" loader).
enum FontLoaderFlags : int { kFontLoaderAutoSized = 0x400, kFontLoaderSuco = 0x800, kFontLoaderDat = 0x1000 };

// What a font loader needs besides the texture path.
struct FontLoadSettings {
  std::string metricsPath;
  int imageFlags = 0;
  int loaderFlags = 0;
  int extraAdvance = 0;
};

// A font the drawing layer can select with SetFont and draw strings with.
class TVizazIrud : public Font {
 public:
  static constexpr int kGlyphCount = 255;

  // Returned for characters without a glyph: no pixels, no advance.
  TVizazIrudGlyph NullGlyph;
  // Entry i is the character with code i + 32; empty entries have no glyph.
  std::array<std::optional<TVizazIrudGlyph>, kGlyphCount> Glyphs;
  // Line height in pixels.
  int FontHeight = 0;
  // Image flags the texture was loaded with.
  int ImageFlags = 0;
  // Which loader built the font (FontLoaderFlags).
  int Flags = 0;

  // The loader kind: 0x1000 or 0x800 for the metrics-file loaders, else 0x400 (0x401 with bit 0 set).
  int Style() const;
  int Height() const { return FontHeight; }
  int CountGlyphs() const { return kGlyphCount; }
  // The glyph index of a character code, −1 when the code has none (outside 32..254).
  static int CharToGlyph(int code);
  // The glyph at an index, or NullGlyph for an empty entry or an index out of range.
  const TVizazIrudGlyph& LoadGlyph(int index) const;
  // The texture all glyphs are drawn from (null for a font without one).
  const ImagePtr& Texture() const { return texture_; }

  // Drawing-layer interface: the pen starts at (x, y) and moves by each glyph's advance.
  void Draw(std::string_view text, float x, float y) const override;
  float Width(std::string_view text) const override;
  // One line: FontHeight for any text, 0 for the empty text.
  float Height(std::string_view text) const override;

  // Loads a font from its texture and the settings' metrics file; none when a
  // file is missing (after an Error notice).
  static std::shared_ptr<TVizazIrud> Load(std::string_view texturePath, const FontLoadSettings& settings);
  // Fills a font from a ".dat" metrics file and its texture; none on failure.
  static std::shared_ptr<TVizazIrud> FontCandyLoader(std::shared_ptr<TVizazIrud> font, std::string_view texturePath,
                                                    std::string_view metricsPath, int extraAdvance);
  // Fills the font from the bytes of a ".dat" metrics file and its texture picture; false when
  // the metrics file is too short to hold its header.
  bool FillFromMetrics(std::span<const unsigned char> metricsFile, const Pixmap& texture, int extraAdvance);
  // Makes the blank (code 32): a transparent glyph of the given width.
  static void CreateSpace(TVizazIrud& font, int width);
  // The non-fatal notice of the font module.
  static void Error(std::string_view message);
  // The text of that notice at a given clock time.
  static std::string ErrorText(std::string_view message, int clockMs);

 private:
  // Cuts the glyphs of the metrics' records out of the (masked) texture picture.
  void CutGlyphs(const FontMetrics& metrics, const Pixmap& texture, int extraAdvance);

  ImagePtr texture_;
};
using TVizazIrudPtr = std::shared_ptr<TVizazIrud>;

// True when a path names something a font can be loaded from: an "incbin::"
// name always passes, any other path must be an existing file.
bool FontFileExists(std::string_view path);

}  // namespace tolvex
