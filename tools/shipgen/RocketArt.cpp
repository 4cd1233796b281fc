#include <cmath>
#include <numbers>

#include "Canvas.h"
#include "Color.h"
#include "LitMetal.h"
#include "WeaponArt.h"

namespace tolvex::shipart {

using art::Color;

namespace {

constexpr double kPi = std::numbers::pi;

void radial(cairo_t* cr, double x, double y, double rx, double ry, std::initializer_list<std::pair<double, Color>> stops) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    for (const auto& [t, c] : stops) art::addStop(g, t, c);
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

// A missile body: an ogive nose over a cylinder, lit from the left.
void body(cairo_t* cr, double cx, double top, double bottom, double r, const Color& c) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx, top);
    cairo_curve_to(cr, cx + r * 0.9, top + r * 1.2, cx + r, top + r * 2.2, cx + r, top + r * 3);
    cairo_line_to(cr, cx + r, bottom);
    cairo_line_to(cr, cx - r, bottom);
    cairo_line_to(cr, cx - r, top + r * 3);
    cairo_curve_to(cr, cx - r, top + r * 2.2, cx - r * 0.9, top + r * 1.2, cx, top);
    cairo_close_path(cr);
    fillLitMetal(cr, cx - r, cx + r, c, {0.5, 0.4, 0.4}, Color{0.03, 0.03, 0.05, 1});
}

// A pair of swept tail fins.
void fins(cairo_t* cr, double cx, double y, double span, double len, const Color& c) {
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, cx + side * 1.5, y - len);
        cairo_line_to(cr, cx + side * span, y - len * 0.2);
        cairo_line_to(cr, cx + side * span, y);
        cairo_line_to(cr, cx + side * 1.5, y - len * 0.15);
        cairo_close_path(cr);
        art::setSource(cr, side < 0 ? c : c.scaled(0.6));
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 0.5);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.9);
        cairo_stroke(cr);
    }
}

// A band painted around the body.
void band(cairo_t* cr, double cx, double y, double r, double h, const Color& c) {
    cairo_rectangle(cr, cx - r, y, 2 * r, h);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - r, 0, cx + r, 0);
    art::addStop(g, 0, art::mix(c, Color{1, 1, 1, 1}, 0.4));
    art::addStop(g, 1, c.scaled(0.45));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// Kind 0, drawn additively: a cyan plasma dart with a white-hot head.
art::Image plasmaDart() {
    art::Canvas c(14, 26, 4);
    cairo_t* cr = c.cr();
    const Color cyan = Color::hex(0x3ad8ff);
    radial(cr, 7, 14, 7, 12, {{0, cyan.withAlpha(0.8)}, {0.6, cyan.scaled(0.6).withAlpha(0.35)}, {1, cyan.withAlpha(0)}});
    radial(cr, 7, 12, 2.6, 8, {{0, Color{1, 1, 1, 1}}, {0.6, art::mix(cyan, Color{1, 1, 1, 1}, 0.5)}, {1, cyan.withAlpha(0.6)}});
    radial(cr, 7, 6, 2.4, 3, {{0, Color{1, 1, 1, 1}}, {1, Color{0.8, 0.95, 1, 0.9}}});
    return c.image();
}

// Kind 1: the standard guided missile, white with a red warhead.
art::Image missile() {
    art::Canvas c(12, 28, 4);
    cairo_t* cr = c.cr();
    fins(cr, 6, 25, 5.6, 7, Color::hex(0x8a929c));
    body(cr, 6, 1, 24, 2.4, Color::hex(0xe4e8ec));
    band(cr, 6, 4.5, 2.4, 3.5, Color::hex(0xd02a20));
    band(cr, 6, 15, 2.4, 1.2, Color::hex(0x30343a));
    radial(cr, 6, 25.5, 2.2, 2.2, {{0, Color{1, 1, 0.9, 1}}, {1, Color::hex(0xff8a2a, 0.9)}});
    return c.image();
}

// Kind 2: the heavy torpedo, olive with hazard bands and broad fins.
art::Image torpedo() {
    art::Canvas c(18, 34, 4);
    cairo_t* cr = c.cr();
    fins(cr, 9, 31, 8.5, 10, Color::hex(0x4a5038));
    body(cr, 9, 1, 30, 3.6, Color::hex(0x6f7a4a));
    band(cr, 9, 7, 3.6, 2.2, Color::hex(0xf0c020));
    band(cr, 9, 9.2, 3.6, 1.4, Color::hex(0x151515));
    band(cr, 9, 10.6, 3.6, 2.2, Color::hex(0xf0c020));
    band(cr, 9, 22, 3.6, 1.2, Color::hex(0x20221a));
    radial(cr, 9, 2.8, 1.3, 1.3, {{0, Color{1, 0.7, 0.6, 1}}, {1, Color::hex(0xc01810)}});
    radial(cr, 9, 31.5, 3, 2.2, {{0, Color{1, 1, 0.9, 1}}, {1, Color::hex(0xff7a20, 0.9)}});
    return c.image();
}

// Kind 3, drawn additively: a violet plasma orb with a crown of sparks.
art::Image plasmaOrb() {
    art::Canvas c(22, 28, 4);
    cairo_t* cr = c.cr();
    const Color violet = Color::hex(0xb45cff);
    const Color green = Color::hex(0x7affb0);
    radial(cr, 11, 15, 11, 13, {{0, violet.withAlpha(0.85)}, {0.55, violet.scaled(0.6).withAlpha(0.35)}, {1, violet.withAlpha(0)}});
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3 + 0.3;
        radial(cr, 11 + std::sin(a) * 5.5, 12 - std::cos(a) * 5.5, 1.3, 1.3,
               {{0, Color{1, 1, 1, 1}}, {1, green.withAlpha(0)}});
    }
    radial(cr, 11, 12, 5, 5.5, {{0, Color{1, 1, 1, 1}}, {0.5, art::mix(violet, Color{1, 1, 1, 1}, 0.55)}, {1, violet.withAlpha(0.7)}});
    radial(cr, 11, 20, 2.4, 6, {{0, violet.withAlpha(0.9)}, {1, violet.withAlpha(0)}});
    return c.image();
}

}  // namespace

std::vector<Sprite> rocketSprites() {
    return {{"rocket0.png", plasmaDart()}, {"rocket.png", missile()}, {"rocket2.png", torpedo()},
            {"rocket3.png", plasmaOrb()}};
}

}  // namespace tolvex::shipart
