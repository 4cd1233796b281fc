#include "HullShading.h"

#include <algorithm>

#include "HullPath.h"

namespace tolvex::shipart {

using art::Color;

Color materialColor(const Palette& p, Material m) {
    switch (m) {
        case Material::Hull: return p.hull;
        case Material::Second: return p.second;
        case Material::Dark: return p.dark;
        case Material::Trim: return p.trim;
        case Material::Accent: return p.accent;
    }
    return p.hull;
}

void engrave(cairo_t* cr, double width, double alpha) {
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgba(cr, 0, 0, 0, alpha);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 0.45 * width, 0.6 * width);
    cairo_append_path(cr, path);
    cairo_set_line_width(cr, width * 0.7);
    cairo_set_source_rgba(cr, 1, 1, 1, alpha * 0.4);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_path_destroy(path);
}

namespace {

// Base fill: brighter towards the top-left, darker towards the bottom-right.
void baseFill(cairo_t* cr, const Color& c, double x0, double y0, double x1, double y1) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1 * 0.6 + y0 * 0.4);
    art::addStop(g, 0.0, art::mix(c.scaled(1.25), Color{1, 1, 1, 1}, 0.12));
    art::addStop(g, 0.45, c);
    art::addStop(g, 1.0, c.scaled(0.55));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
}

// A soft glossy strip just left of the centre line, where the light catches the spine.
void spineGloss(cairo_t* cr, double x0, double y0, double x1, double y1) {
    const double w = x1 - x0;
    cairo_pattern_t* g = cairo_pattern_create_linear(-w * 0.32, 0, w * 0.06, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.0, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.55, 1, 1, 1, 0.32);
    cairo_pattern_add_color_stop_rgba(g, 1.0, 1, 1, 1, 0);
    cairo_rectangle(cr, x0, y0, w, y1 - y0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    const double len = y1 - y0;
    cairo_move_to(cr, 0, y0 + len * 0.18);
    cairo_line_to(cr, 0, y1 - len * 0.12);
    engrave(cr, 0.8, 0.35);
}

// Cross seams dividing the part into plates.
void seams(cairo_t* cr, int count, double x0, double y0, double x1, double y1) {
    for (int i = 1; i <= count; ++i) {
        const double y = y0 + (y1 - y0) * i / (count + 1);
        cairo_move_to(cr, x0, y);
        cairo_line_to(cr, x1, y);
        engrave(cr, 0.8, 0.4);
    }
}

}  // namespace

void shadePart(cairo_t* cr, const Part& part, const Palette& palette) {
    const Color c = materialColor(palette, part.material);
    const auto trace = [&] { tracePart(cr, part); };
    cairo_new_path(cr);
    trace();
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    baseFill(cr, c, x0, y0, x1, y1);
    cairo_save(cr);
    cairo_clip(cr);
    if (part.spine) spineGloss(cr, x0, y0, x1, y1);
    if (part.seams > 0) seams(cr, part.seams, x0, y0, x1, y1);
    cairo_restore(cr);
    const double size = std::min(x1 - x0, y1 - y0);
    bevel(cr, trace, size > 30 ? 1.8 : 1.3, 0.45, 0.35);
    cairo_new_path(cr);
    trace();
    cairo_set_line_width(cr, size > 60 ? 1.3 : 1.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    art::setSource(cr, art::mix(c.scaled(0.25), Color{0.02, 0.03, 0.05, 1}, 0.5));
    cairo_stroke(cr);
}

}  // namespace tolvex::shipart
