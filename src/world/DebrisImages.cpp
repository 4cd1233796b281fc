#include "world/DebrisImages.h"

#include <string>

namespace tolvex {

std::array<ImagePtr, 16> DebrisImages;

void LoadDebrisImages() {
  for (std::size_t i = 0; i < DebrisImages.size(); ++i) {
    DebrisImages[i] = LoadImage("incbin::..\\gfx\\truemmer" + std::to_string(i + 1) + ".png", -1);
    // Pieces tumble about their middle.
    if (DebrisImages[i]) CentreHandle(DebrisImages[i]);
  }
}

void ResetDebrisImages() { DebrisImages = {}; }

}  // namespace tolvex
