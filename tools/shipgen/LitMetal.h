// Metal parts of the small sprites, lit from the left like the ships.
#pragma once

#include <cairo.h>

#include "Color.h"

namespace tolvex::shipart {

// How light falls across a metal part: the sheen mixed into its left edge, where the plain
// base colour sits (0..1 across), and how dark its right edge gets.
struct MetalLight {
    double sheen;
    double baseAt;
    double shade;
};

// Fills the current path with the base colour lit across x0..x1, then outlines it in 0.6 px.
void fillLitMetal(cairo_t* cr, double x0, double x1, const art::Color& base, const MetalLight& light,
                  const art::Color& outline);

}  // namespace tolvex::shipart
