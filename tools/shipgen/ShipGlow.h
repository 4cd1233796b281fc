// The soft light around a ship: exhaust plumes, halos of lights and bio-lights and the violet
// aura of special editions. It stays below alpha 128 so it never counts as hull for hits.
#pragma once

#include "Image.h"
#include "ShipDesign.h"

namespace tolvex::shipart {

// Highest alpha the glow may reach (the hull starts counting at 128).
inline constexpr int kMaxGlowAlpha = 110;

// The glow layer of a ship at its final size, or at zoom times that.
art::Image paintGlow(const ShipDesign& design, int zoom = 1);

// The hull drawn over its glow.
art::Image composeOver(const art::Image& top, const art::Image& bottom);

}  // namespace tolvex::shipart
