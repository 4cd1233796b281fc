// A font's ".dat" metrics file: any bytes give a font (or none) whose glyphs lie inside its texture.
#include <string>

#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "platform/Image.h"
#include "ui/TVizazIrud.h"

namespace tolvex::fuzz {

namespace {

// A texture of the game's font size with every pixel different, so a glyph cut from the wrong
// place would show.
const Pixmap& FontTexture() {
  static const Pixmap texture = [] {
    Pixmap picture(256, 128);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i);
    return picture;
  }();
  return texture;
}

void CheckGlyph(const TVizazIrudGlyph& glyph, const Pixmap& texture) {
  if (!glyph.InTexture) return;
  Require(glyph.TextureX >= 0 && glyph.TextureY >= 0 && glyph.G_Width > 0 && glyph.G_Height > 0,
          "a drawn glyph has a rectangle");
  Require(std::int64_t{glyph.TextureX} + glyph.G_Width <= texture.width &&
              std::int64_t{glyph.TextureY} + glyph.G_Height <= texture.height,
          "a drawn glyph lies inside the texture");
  Require(glyph.G_Pixmap && glyph.G_Pixmap->width == glyph.G_Width && glyph.G_Pixmap->height == glyph.G_Height,
          "a glyph's pixels match its rectangle");
}

}  // namespace

int FontMetricsFile(const std::uint8_t* data, std::size_t size) {
  const Pixmap& texture = FontTexture();
  TVizazIrud font;
  if (!font.FillFromMetrics({data, size}, texture, 0)) return 0;
  std::string everyCharacter;
  for (int code = 0; code < 256; ++code) everyCharacter += static_cast<char>(code);
  for (int index = -1; index <= TVizazIrud::kGlyphCount; ++index) CheckGlyph(font.LoadGlyph(index), texture);
  font.Width(everyCharacter);
  font.Height(everyCharacter);
  return 0;
}

}  // namespace tolvex::fuzz
