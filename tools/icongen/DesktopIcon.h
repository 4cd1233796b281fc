#pragma once
// The desktop icon: the player's ship banking across a rounded badge of deep space, with a
// nebula glow, a few stars and its engines lit.
#include "ArtKit.h"
#include "ShipDesign.h"

namespace tolvex::art {

// The icon at size x size pixels around the ship, painted at the icon's own resolution.
Image desktopIcon(const shipart::ShipDesign& ship, int size);

}  // namespace tolvex::art
