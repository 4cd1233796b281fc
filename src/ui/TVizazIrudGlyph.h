#pragma once
// One character of a bitmap font: its pixels, where they lie in the font's
// texture, and how far the pen moves after drawing it.
#include "platform/Image.h"

namespace tolvex {

// A glyph of a bitmap font, drawn from its rectangle of the font's one texture.
class TVizazIrudGlyph {
 public:
  // The glyph's pixels (a copy of its texture rectangle).
  PixmapPtr G_Pixmap;
  // Horizontal advance of the pen after the glyph, in pixels.
  float G_Advance = 0.0f;
  // Offset of the pixels from the pen position.
  int G_X = 0, G_Y = 0;
  // Size of the pixel rectangle.
  int G_Width = 0, G_Height = 0;
  // Top-left corner of the rectangle in the font's texture; a glyph without a
  // rectangle there (the blank) draws nothing.
  int TextureX = 0, TextureY = 0;
  bool InTexture = false;

  const PixmapPtr& Pixels() const { return G_Pixmap; }
  float Advance() const { return G_Advance; }
  // The pixel rectangle relative to the pen.
  void GetRect(int& x, int& y, int& width, int& height) const;
};

}  // namespace tolvex
