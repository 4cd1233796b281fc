// The details painted over a shaded hull: decorations, canopies, nozzles, turret sockets, running
// lights, greebles on big hulls, pirate patches and the special-edition trim.
#pragma once

#include <cairo.h>

#include "Rng.h"
#include "ShipDesign.h"

namespace tolvex::shipart {

// Paints one decoration, clipped to the hull where it should be.
void drawDeco(cairo_t* cr, const ShipDesign& design, const Deco& deco);

// A glossy canopy.
void drawCockpit(cairo_t* cr, const Palette& palette, const Cockpit& cockpit);

// A dark nozzle housing with a white-hot core.
void drawNozzle(cairo_t* cr, const Palette& palette, double x, double y, double w);

// A turret socket: a darker ring with a lighter centre, solid underneath.
void drawSocket(cairo_t* cr, const Palette& palette, double x, double y, double radius);

// A small running light (its glow is painted on the glow layer).
void drawLight(cairo_t* cr, double x, double y, double radius, const art::Color& color);

// Small plates, blocks and vents scattered over the big hulls.
void drawGreebles(cairo_t* cr, const ShipDesign& design, art::Rng& rng);

// Rust blotches and riveted patch plates.
void drawPatches(cairo_t* cr, const ShipDesign& design, art::Rng& rng);

// Gold trim lines just inside every part's edge.
void drawPremiumTrim(cairo_t* cr, const ShipDesign& design);

}  // namespace tolvex::shipart
