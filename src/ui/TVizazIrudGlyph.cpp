#include "ui/TVizazIrudGlyph.h"

namespace tolvex {

void TVizazIrudGlyph::GetRect(int& x, int& y, int& width, int& height) const {
  x = G_X;
  y = G_Y;
  width = G_Width;
  height = G_Height;
}

}  // namespace tolvex
