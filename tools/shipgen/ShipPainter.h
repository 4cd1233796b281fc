// Paints a ship recipe into its final sprite: shaded parts, details, sockets under the gun mounts,
// all over the glow layer.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "Image.h"
#include "ShipDesign.h"

namespace tolvex::shipart {

// Where a gun socket goes, in ship coordinates: at image point (centre - x, centre + y).
struct Mount {
    double x;
    double y;
};

// Every mount of every ship type that uses the image, without repeats.
std::vector<Mount> mountsOf(const std::string& image);

// The finished sprite of a ship with sockets at the given mounts; with a zoom, the same drawing at
// that many times the sprite's size (the desktop icon).
art::Image paintShip(const ShipDesign& design, std::span<const Mount> mounts, int zoom = 1);

}  // namespace tolvex::shipart
