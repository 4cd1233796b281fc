#include "LitMetal.h"

namespace tolvex::shipart {

void fillLitMetal(cairo_t* cr, double x0, double x1, const art::Color& base, const MetalLight& light,
                  const art::Color& outline) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, 0, x1, 0);
    art::addStop(g, 0, art::mix(base, art::Color{1, 1, 1, 1}, light.sheen));
    art::addStop(g, light.baseAt, base);
    art::addStop(g, 1, base.scaled(light.shade));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 0.6);
    cairo_set_source_rgba(cr, outline.r, outline.g, outline.b, outline.a);
    cairo_stroke(cr);
}

}  // namespace tolvex::shipart
