#pragma once

#include <string>

namespace tolvex::art {

// The 1024 x 1024 tiling alpha layers drawn over space and the battle: the nebula wisps
// bg1alter, bg1alter2, bg1alter3 and the star dust Dust1, Dust2. Pale, so layer colours tint them.
void writeOverlays(const std::string& dir);

}  // namespace tolvex::art
