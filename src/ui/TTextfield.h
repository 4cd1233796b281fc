#pragma once
// A block of text lines drawn with a drop shadow, aligned on a point
// (the highscore screen's panel).
#include <memory>
#include <string>
#include <vector>

namespace tolvex {

// A text panel: lines left-aligned, centred or right-aligned on (x, y).
class TTextfield {
 public:
  // Horizontal alignment of the lines on x.
  enum Style : unsigned char { kLeft = 0, kCentred = 1, kRight = 2 };

  // Anchor: x is the left edge, centre or right edge by style; y the top of the first line.
  float x = 0.0f, y = 0.0f;
  // Scale of the font.
  float textsize = 1.0f;
  unsigned char style = kLeft;
  std::vector<std::string> Content;

  // An empty panel at (x, y).
  static std::shared_ptr<TTextfield> Create(int x, int y, float textsize, unsigned char style);
  void AddContent(std::string line);
  void move(int dx, int dy);
  // Height of all lines in pixels.
  int getHeight() const;
  // Draws every line with the panel font, shadow first.
  void Draw() const;

  // The left edge of a line of n characters (a fixed 8-pixel cell per character).
  float LineLeft(std::size_t characters) const;
  // The top of line i.
  float LineTop(std::size_t index) const;
};
using TTextfieldPtr = std::shared_ptr<TTextfield>;

}  // namespace tolvex
