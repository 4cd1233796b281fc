#include "ShipDetails.h"

#include <cmath>
#include <numbers>

#include "HullPath.h"
#include "HullShading.h"

namespace tolvex::shipart {

using art::Color;

namespace {

constexpr double kPi = std::numbers::pi;

// Clips to one part of the design (or leaves the clip alone for -1).
void clipToPart(cairo_t* cr, const ShipDesign& design, int index) {
    if (index < 0 || index >= static_cast<int>(design.parts.size())) return;
    cairo_new_path(cr);
    tracePart(cr, design.parts[static_cast<std::size_t>(index)]);
    cairo_clip(cr);
}

// Adds an open polyline through the points.
void tracePolyline(cairo_t* cr, const std::vector<Pt>& pts) {
    if (pts.empty()) return;
    cairo_move_to(cr, pts[0].x, pts[0].y);
    for (std::size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, pts[i].x, pts[i].y);
}

void stripe(cairo_t* cr, const Palette& pal, const Deco& d) {
    const Color c = materialColor(pal, d.material);
    auto trace = [&] {
        traceLoop(cr, d.points);
        if (d.mirror) traceLoop(cr, mirrored(d.points));
    };
    cairo_new_path(cr);
    trace();
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
    art::addStop(g, 0, c.scaled(1.2));
    art::addStop(g, 1, c.scaled(0.7));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 0.6);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_stroke(cr);
}

void vents(cairo_t* cr, const Deco& d, double x) {
    for (int i = 0; i < d.count; ++i) {
        const double y = d.y + i * d.w;
        cairo_move_to(cr, x - d.h / 2, y);
        cairo_line_to(cr, x + d.h / 2, y);
        engrave(cr, 1.0, 0.7);
    }
}

void hazard(cairo_t* cr, const Deco& d) {
    cairo_save(cr);
    cairo_rectangle(cr, d.x - d.w, d.y - d.h, 2 * d.w, 2 * d.h);
    cairo_clip(cr);
    art::setSource(cr, Color::hex(0xf5c82a));
    cairo_paint(cr);
    cairo_set_source_rgba(cr, 0.08, 0.08, 0.08, 1);
    cairo_set_line_width(cr, 1.6);
    for (double t = -2 * d.h; t < 2 * d.w + 2 * d.h; t += 3.6) {
        cairo_move_to(cr, d.x - d.w + t, d.y - d.h);
        cairo_line_to(cr, d.x - d.w + t - 2 * d.h, d.y + d.h);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void star(cairo_t* cr, const Palette& pal, double x, double y, double r) {
    std::vector<Pt> pts;
    for (int i = 0; i < 10; ++i) {
        const double a = i * kPi / 5;
        const double rr = (i % 2 == 0) ? r : r * 0.42;
        pts.push_back({x + rr * std::sin(a), y - rr * std::cos(a), true});
    }
    cairo_new_path(cr);
    traceLoop(cr, pts);
    art::setSource(cr, pal.accent);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.5);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    cairo_stroke(cr);
}

void spot(cairo_t* cr, const Palette& pal, double x, double y, double r) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, 0, x, y, r);
    art::addStop(g, 0, art::mix(pal.lights, Color{1, 1, 1, 1}, 0.7));
    art::addStop(g, 0.5, pal.lights);
    art::addStop(g, 1, pal.lights.scaled(0.45));
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void rivets(cairo_t* cr, const Deco& d, bool mirror) {
    if (d.points.size() < 2 || d.count < 1) return;
    for (int i = 0; i < d.count; ++i) {
        const double t = d.count == 1 ? 0.5 : static_cast<double>(i) / (d.count - 1);
        double x = d.points[0].x + (d.points[1].x - d.points[0].x) * t;
        const double y = d.points[0].y + (d.points[1].y - d.points[0].y) * t;
        if (mirror) x = -x;
        cairo_new_path(cr);
        cairo_arc(cr, x, y, 0.7, 0, 2 * kPi);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
        cairo_fill(cr);
        cairo_arc(cr, x - 0.25, y - 0.25, 0.35, 0, 2 * kPi);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
        cairo_fill(cr);
    }
}

// Whether a point lies inside a part.
bool insidePart(cairo_t* cr, const Part& part, double x, double y) {
    cairo_new_path(cr);
    tracePart(cr, part);
    const bool in = cairo_in_fill(cr, x, y);
    cairo_new_path(cr);
    return in;
}

// A small raised plate with a lit top-left edge.
void plate(cairo_t* cr, double x, double y, double w, double h, const Color& c) {
    cairo_rectangle(cr, x, y, w, h);
    art::setSource(cr, c);
    cairo_fill(cr);
    cairo_set_line_width(cr, 0.6);
    cairo_move_to(cr, x, y + h);
    cairo_line_to(cr, x, y);
    cairo_line_to(cr, x + w, y);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.28);
    cairo_stroke(cr);
    cairo_move_to(cr, x + w, y);
    cairo_line_to(cr, x + w, y + h);
    cairo_line_to(cr, x, y + h);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.38);
    cairo_stroke(cr);
}

// Parts big enough to carry greebles or patches.
std::vector<const Part*> plateableParts(const ShipDesign& design) {
    std::vector<const Part*> out;
    for (const Part& p : design.parts)
        if (p.material != Material::Dark && p.material != Material::Trim) out.push_back(&p);
    return out;
}

}  // namespace

void drawDeco(cairo_t* cr, const ShipDesign& design, const Deco& d) {
    const Palette& pal = design.palette;
    cairo_save(cr);
    clipToPart(cr, design, d.onPart);
    cairo_new_path(cr);
    switch (d.kind) {
        case DecoKind::Stripe:
            stripe(cr, pal, d);
            break;
        case DecoKind::Line:
            tracePolyline(cr, d.points);
            engrave(cr, 0.8, 0.5);
            if (d.mirror) {
                tracePolyline(cr, mirrored(d.points));
                engrave(cr, 0.8, 0.5);
            }
            break;
        case DecoKind::Vents:
            vents(cr, d, d.x);
            if (d.mirror && d.x != 0) vents(cr, d, -d.x);
            break;
        case DecoKind::Hazard:
            hazard(cr, d);
            break;
        case DecoKind::Star:
            star(cr, pal, d.x, d.y, d.w);
            if (d.mirror && d.x != 0) star(cr, pal, -d.x, d.y, d.w);
            break;
        case DecoKind::Spots:
            spot(cr, pal, d.x, d.y, d.w);
            if (d.mirror && d.x != 0) spot(cr, pal, -d.x, d.y, d.w);
            break;
        case DecoKind::Rivets:
            rivets(cr, d, false);
            if (d.mirror) rivets(cr, d, true);
            break;
    }
    cairo_restore(cr);
}

void drawCockpit(cairo_t* cr, const Palette& pal, const Cockpit& c) {
    const auto one = [&](double x) {
        cairo_save(cr);
        cairo_translate(cr, x, c.y);
        cairo_scale(cr, c.w, c.h);
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_pattern_t* g = cairo_pattern_create_radial(x - c.w * 0.3, c.y - c.h * 0.35, 0, x, c.y,
                                                         std::max(c.w, c.h) * 1.1);
        art::addStop(g, 0, art::mix(pal.glass, Color{1, 1, 1, 1}, 0.55));
        art::addStop(g, 0.45, pal.glass);
        art::addStop(g, 1, pal.glass.scaled(0.25));
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        cairo_set_line_width(cr, 0.9);
        art::setSource(cr, Color{0.05, 0.06, 0.09, 0.9});
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_translate(cr, x - c.w * 0.32, c.y - c.h * 0.4);
        cairo_scale(cr, c.w * 0.3, c.h * 0.25);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.75);
        cairo_fill(cr);
    };
    one(c.x);
    if (c.x != 0) one(-c.x);
}

void drawNozzle(cairo_t* cr, const Palette& pal, double x, double y, double w) {
    const double h = w * 0.8;
    cairo_new_path(cr);
    const double r = w * 0.25;
    const double x0 = x - w / 2, y0 = y - h;
    cairo_move_to(cr, x0 + r, y0);
    cairo_arc(cr, x0 + w - r, y0 + r, r, -kPi / 2, 0);
    cairo_line_to(cr, x0 + w, y);
    cairo_line_to(cr, x0, y);
    cairo_arc(cr, x0 + r, y0 + r, r, kPi, 1.5 * kPi);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, 0, x0 + w, 0);
    art::addStop(g, 0, pal.dark.scaled(1.9));
    art::addStop(g, 0.5, pal.dark);
    art::addStop(g, 1, pal.dark.scaled(0.6));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 0.6);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.8);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y - h * 0.18);
    cairo_scale(cr, w * 0.36, h * 0.24);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_pattern_t* core = cairo_pattern_create_radial(x, y - h * 0.18, 0, x, y - h * 0.18, w * 0.4);
    art::addStop(core, 0, Color{1, 1, 1, 1});
    art::addStop(core, 0.5, art::mix(pal.engine, Color{1, 1, 1, 1}, 0.3));
    art::addStop(core, 1, pal.engine);
    cairo_set_source(cr, core);
    cairo_fill(cr);
    cairo_pattern_destroy(core);
}

void drawSocket(cairo_t* cr, const Palette& pal, double x, double y, double radius) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * kPi);
    cairo_pattern_t* ring = cairo_pattern_create_linear(x - radius, y - radius, x + radius, y + radius);
    art::addStop(ring, 0, pal.dark.scaled(0.7));
    art::addStop(ring, 1, pal.dark.scaled(1.6));
    cairo_set_source(cr, ring);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(ring);
    cairo_set_line_width(cr, 0.7);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.8);
    cairo_stroke(cr);
    const double inner = radius * 0.62;
    cairo_arc(cr, x, y, inner, 0, 2 * kPi);
    const Color light = art::mix(pal.second, Color{1, 1, 1, 1}, 0.35);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - inner * 0.4, y - inner * 0.4, 0, x, y, inner);
    art::addStop(g, 0, art::mix(light, Color{1, 1, 1, 1}, 0.4));
    art::addStop(g, 1, light.scaled(0.7));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void drawLight(cairo_t* cr, double x, double y, double radius, const Color& color) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * kPi);
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    art::addStop(g, 0, Color{1, 1, 1, 1});
    art::addStop(g, 0.6, color);
    art::addStop(g, 1, color.scaled(0.6));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void drawGreebles(cairo_t* cr, const ShipDesign& design, art::Rng& rng) {
    const auto parts = plateableParts(design);
    if (parts.empty()) return;
    const Palette& pal = design.palette;
    for (int placed = 0, tries = 0; placed < design.greebles && tries < design.greebles * 20; ++tries) {
        const Part& part = *parts[static_cast<std::size_t>(rng.below(static_cast<int>(parts.size())))];
        cairo_new_path(cr);
        tracePart(cr, part);
        double x0, y0, x1, y1;
        cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
        // Plates come in a few standard sizes on a 2-px grid, so they read as fitted equipment.
        const double w = 3 + 2 * rng.below(4), h = 2 + 2 * rng.below(3);
        const double x = 2 * std::round(rng.range(x0, x1 - w) / 2), y = 2 * std::round(rng.range(y0, y1 - h) / 2);
        const double m = 2.5;
        if (!insidePart(cr, part, x - m, y - m) || !insidePart(cr, part, x + w + m, y - m) ||
            !insidePart(cr, part, x - m, y + h + m) || !insidePart(cr, part, x + w + m, y + h + m))
            continue;
        const Color base = materialColor(pal, part.material);
        if (rng.uniform() < 0.18) {
            plate(cr, x, y, w, h, pal.dark.scaled(1.5));
            for (double vy = y + 1; vy < y + h; vy += 2) {
                cairo_move_to(cr, x + 1, vy);
                cairo_line_to(cr, x + w - 1, vy);
            }
            cairo_set_line_width(cr, 0.6);
            cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
            cairo_stroke(cr);
        } else {
            plate(cr, x, y, w, h, base.scaled(rng.uniform() < 0.5 ? rng.range(0.86, 0.94) : rng.range(1.05, 1.12)));
        }
        ++placed;
    }
}

void drawPatches(cairo_t* cr, const ShipDesign& design, art::Rng& rng) {
    const Color rust = Color::hex(0x7a3416);
    for (const Part* part : plateableParts(design)) {
        cairo_save(cr);
        cairo_new_path(cr);
        tracePart(cr, *part);
        double x0, y0, x1, y1;
        cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
        cairo_clip(cr);
        const int blotches = static_cast<int>((x1 - x0) * (y1 - y0) / 120) + 2;
        for (int i = 0; i < blotches; ++i) {
            const double x = rng.range(x0, x1), y = rng.range(y0, y1), r = rng.range(1.5, 5.5);
            cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
            art::addStop(g, 0, rust.withAlpha(0.55));
            art::addStop(g, 1, rust.withAlpha(0));
            cairo_set_source(cr, g);
            cairo_arc(cr, x, y, r, 0, 2 * kPi);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
        }
        const int patches = static_cast<int>((x1 - x0) * (y1 - y0) / 500) + 1;
        for (int i = 0; i < patches; ++i) {
            const double w = std::round(rng.range(4, 9)), h = std::round(rng.range(3, 8));
            const double x = std::round(rng.range(x0, x1 - w)), y = std::round(rng.range(y0, y1 - h));
            const Color tone = rng.uniform() < 0.5 ? design.palette.second : design.palette.hull.scaled(1.2);
            plate(cr, x, y, w, h, tone);
            for (const auto& [cx, cy] : {std::pair{x + 1, y + 1}, {x + w - 1, y + 1}, {x + 1, y + h - 1},
                                         {x + w - 1, y + h - 1}}) {
                cairo_arc(cr, cx, cy, 0.45, 0, 2 * kPi);
                cairo_set_source_rgba(cr, 0.1, 0.08, 0.06, 0.8);
                cairo_fill(cr);
            }
        }
        cairo_restore(cr);
    }
}

void drawPremiumTrim(cairo_t* cr, const ShipDesign& design) {
    for (const Part& part : design.parts) {
        if (part.material == Material::Dark) continue;
        cairo_save(cr);
        cairo_new_path(cr);
        tracePart(cr, part);
        cairo_clip_preserve(cr);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, 3.2);
        art::setSource(cr, design.palette.trim);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 1.4);
        art::setSource(cr, Color{0.06, 0.04, 0.02, 1});
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

}  // namespace tolvex::shipart
