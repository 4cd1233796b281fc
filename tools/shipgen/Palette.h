// The colours of a faction: what its hulls, trims, canopies and engines look like.
#pragma once

#include "Color.h"

namespace tolvex::shipart {

// Surface colours of one ship.
struct Palette {
    art::Color hull;     // main plating
    art::Color second;   // secondary plating (wings, pods)
    art::Color dark;     // machinery, nozzles, socket rings
    art::Color trim;     // stripes and trim lines
    art::Color accent;   // emblems, small highlights
    art::Color glass;    // canopy tint
    art::Color engine;   // nozzle core and exhaust glow
    art::Color lights;   // strip lights and bio-lights
};

// The palette of a faction by its name in the ship table ("NASA", "Red Army", ...).
Palette factionPalette(const char* faction);

// The special-edition finish of a base palette: deep graphite and violet plating, gold trim.
Palette premiumPalette(const Palette& base);

}  // namespace tolvex::shipart
