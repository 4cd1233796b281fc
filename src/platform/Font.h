#pragma once
// What the drawing layer needs of a font to draw text with the current state.
#include <string_view>

namespace tolvex {

// A font the drawing layer can select with SetFont and draw text with.
class Font {
 public:
  virtual ~Font() = default;
  // Draws text with its top-left at (x, y), honouring the drawing state.
  virtual void Draw(std::string_view text, float x, float y) const = 0;
  virtual float Width(std::string_view text) const = 0;
  virtual float Height(std::string_view text) const = 0;
};

}  // namespace tolvex
