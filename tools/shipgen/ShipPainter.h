// Paints a ship recipe into its final sprite: shaded parts, details, sockets under the gun mounts,
// all over the glow layer.
#pragma once

#include <span>

#include "Image.h"
#include "ShipDesign.h"

namespace tolvex::shipart {

// Where a gun socket goes, in ship coordinates: at image point (centre - x, centre + y).
struct Mount {
    double x;
    double y;
};

// The finished sprite of a ship with sockets at the given mounts.
art::Image paintShip(const ShipDesign& design, std::span<const Mount> mounts);

}  // namespace tolvex::shipart
