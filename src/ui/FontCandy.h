#pragma once
// Loading the game's bitmap fonts: a texture picture plus a ".dat" metrics file.
#include <string>
#include <string_view>

#include "ui/TVizazIrud.h"

namespace tolvex {

// Style bit asking for a smooth (filtered) texture.
constexpr int kFontStyleSmooth = 4;

// Loads a font from its texture (a file path or an "incbin::" name) and the
// ".dat" file beside it; none, after an Error notice, when a file is missing.
TVizazIrudPtr LoadFontCandyFont(std::string_view texturePath, int style, int extraAdvance);

// The metrics file of a texture: the path up to the extension's "." plus ".dat";
// a name without an extension gets ".dat" appended to the whole path.
std::string MetricsPathFor(std::string_view texturePath);

// The font loader for picture files (".png", ".bmp", ".tga", ".jpg").
class TVizazIrudLoader {
 public:
  // Loads the font when the source is a picture file; none otherwise.
  static TVizazIrudPtr LoadFont(std::string_view source, const FontLoadSettings& settings);
};

}  // namespace tolvex
