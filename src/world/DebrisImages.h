#pragma once
// The debris pieces that destroyed ships throw into the background.
#include <array>

#include "platform/Image.h"

namespace tolvex {

// "truemmer1.png" .. "truemmer16.png", each with its handle at its centre.
extern std::array<ImagePtr, 16> DebrisImages;

// Loads the 16 pieces (start-up).
void LoadDebrisImages();
// Forgets them (a fresh game in tests).
void ResetDebrisImages();

}  // namespace tolvex
