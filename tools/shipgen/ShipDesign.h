// The drawing recipe of one ship: hull parts, details and engines in ship coordinates
// (origin at the sprite centre, x to the right, y towards the tail, units of final pixels).
#pragma once

#include <string>
#include <vector>

#include "Palette.h"

namespace tolvex::shipart {

// A point of an outline; a sharp point makes a corner, the others are passed through smoothly.
struct Pt {
    double x;
    double y;
    bool sharp = false;
};

// What kind of shape a part is.
enum class ShapeKind {
    Hull,      // half outline of the right side from nose to tail, mirrored into one closed body
    Wing,      // closed outline on the right side, copied mirrored to the left
    Free,      // closed outline drawn as given, not mirrored (asymmetric add-ons)
    Ellipse,   // ellipse centred at (x, y) with radii (w, h); mirrored when x != 0
    Box,       // rectangle centred at (x, y), half sizes (w, h), corner cut r; mirrored when x != 0
    Crescent,  // a crescent around (x, y): outer radius w, thickness h, half span r degrees, opening up
};

// Which surface a part is painted with.
enum class Material { Hull, Second, Dark, Trim, Accent };

// One solid piece of the hull, shaded on its own.
struct Part {
    ShapeKind kind = ShapeKind::Hull;
    Material material = Material::Hull;
    std::vector<Pt> points;          // Hull, Wing, Free
    double x = 0, y = 0, w = 0, h = 0, r = 0;  // Ellipse, Box, Crescent
    bool flipCrescent = false;       // crescent opening towards the tail instead of the nose
    int seams = 0;                   // cross seams drawn over the part
    bool spine = false;              // a glossy strip and centre line along the part
};

// A decoration drawn over the parts.
enum class DecoKind {
    Stripe,   // filled band (points, mirrored like a wing) in a material, clipped to the hull
    Line,     // panel line through the points, mirrored
    Vents,    // `count` slits at (x, y), spaced w apart, each h long; mirrored when x != 0
    Hazard,   // black-and-yellow band over the box (x, y, w, h), clipped to the hull
    Star,     // five-pointed emblem at (x, y), radius w
    Spots,    // glowing bio-lights at (x, y) of radius w; mirrored when x != 0
    Rivets,   // a row of rivets from points[0] to points[1], count of them
};

// One decoration.
struct Deco {
    DecoKind kind = DecoKind::Line;
    Material material = Material::Trim;
    std::vector<Pt> points;
    double x = 0, y = 0, w = 0, h = 0;
    int count = 0;
    bool mirror = true;
    int onPart = 0;   // the part it is clipped to; -1 for none
};

// A glass canopy: an ellipse at (x, y) with radii (w, h), mirrored when x != 0.
struct Cockpit {
    double x = 0, y = 0, w = 0, h = 0;
};

// An engine nozzle at (x, y) (its mouth), w wide, blowing towards the tail; mirrored when x != 0.
struct Engine {
    double x = 0, y = 0, w = 0;
    double plume = 1.0;  // relative length of the glow behind it
};

// The complete recipe of one ship image.
struct ShipDesign {
    std::string file;
    int width = 0;
    int height = 0;
    Palette palette;
    std::vector<Part> parts;        // back to front
    std::vector<Deco> decos;
    std::vector<Cockpit> cockpits;
    std::vector<Engine> engines;
    std::vector<Pt> lights;         // running lights on the right side; mirrored red on the left
    int greebles = 0;               // small plates and blocks scattered over big hulls
    bool patched = false;           // rusty patches and rivets (pirates)
    bool premium = false;           // special-edition finish: gold trim, violet accents and aura
    double socketRadius = 4.5;      // turret sockets at the gun mounts
};

}  // namespace tolvex::shipart
