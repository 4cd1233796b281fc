// Layered shading of one hull part under the light from the top-left: gradient base, glossy spine,
// seams, inner bevel and a dark rim that separates the ship from space.
#pragma once

#include <cairo.h>

#include "ShipDesign.h"

namespace tolvex::shipart {

// The colour a material has in a palette.
art::Color materialColor(const Palette& palette, Material material);

// Paints one part fully shaded.
void shadePart(cairo_t* cr, const Part& part, const Palette& palette);

// Strokes the inside edge of the current part with an engraved highlight towards the light and a
// shadow away from it (the bevel); `trace` adds the part's path.
template <typename Trace>
void bevel(cairo_t* cr, Trace trace, double width, double lightAlpha, double shadowAlpha) {
    const double d = width * 0.55;
    cairo_save(cr);
    cairo_new_path(cr);
    trace();
    cairo_clip(cr);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_translate(cr, d, d);
    trace();
    cairo_set_source_rgba(cr, 1, 1, 1, lightAlpha);
    cairo_stroke(cr);
    cairo_translate(cr, -2 * d, -2 * d);
    trace();
    cairo_set_source_rgba(cr, 0, 0, 0, shadowAlpha);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// An engraved panel line along the current path: dark groove with a faint lit lip below it.
void engrave(cairo_t* cr, double width, double alpha);

}  // namespace tolvex::shipart
