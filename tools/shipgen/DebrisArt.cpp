#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "Canvas.h"
#include "Color.h"
#include "Rng.h"
#include "WeaponArt.h"

namespace tolvex::shipart {

using art::Color;

namespace {

constexpr double kPi = std::numbers::pi;

// Sizes of truemmer1.png ... truemmer16.png (the first two are also particle sprites).
constexpr std::pair<int, int> kDebrisSizes[16] = {
    {13, 13}, {23, 30}, {18, 14}, {26, 20}, {16, 22}, {32, 24}, {12, 18}, {28, 28},
    {20, 16}, {36, 26}, {14, 14}, {24, 32}, {30, 18}, {40, 30}, {22, 22}, {17, 25},
};

// Paint remnants some fragments still carry (faction colours of the ships they came from).
constexpr std::uint32_t kPaint[] = {0xc22626, 0x2553b8, 0xe8801e, 0x2f9c9a, 0xe9edf1};

struct P2 {
    double x, y;
};

// A torn plate outline inside the ellipse that fills the sprite: a few broken corners, every edge
// ragged with small teeth.
std::vector<P2> shardOutline(art::Rng& rng, double w, double h) {
    const int corners = 4 + rng.below(3);
    const double phase = rng.range(0, 2 * kPi);
    std::vector<P2> base;
    for (int i = 0; i < corners; ++i) {
        const double a = phase + 2 * kPi * (i + rng.range(-0.2, 0.2)) / corners;
        const double r = rng.range(0.7, 1.0);
        base.push_back({w / 2 + std::cos(a) * r * (w / 2 - 1.5), h / 2 + std::sin(a) * r * (h / 2 - 1.5)});
    }
    const double tooth = std::min(w, h) * 0.07 + 0.4;
    std::vector<P2> pts;
    for (int i = 0; i < corners; ++i) {
        const P2 a = base[i], b = base[(i + 1) % corners];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        const double nx = (a.y - b.y) / len, ny = (b.x - a.x) / len;
        const int teeth = 1 + static_cast<int>(len / 6);
        pts.push_back(a);
        for (int k = 1; k <= teeth; ++k) {
            const double t = static_cast<double>(k) / (teeth + 1);
            const double off = rng.range(-tooth, tooth);
            pts.push_back({a.x + (b.x - a.x) * t + nx * off, a.y + (b.y - a.y) * t + ny * off});
        }
    }
    for (P2& p : pts) {
        p.x = std::clamp(p.x, 0.8, w - 0.8);
        p.y = std::clamp(p.y, 0.8, h - 0.8);
    }
    return pts;
}

void tracePolygon(cairo_t* cr, const std::vector<P2>& pts) {
    cairo_move_to(cr, pts[0].x, pts[0].y);
    for (std::size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, pts[i].x, pts[i].y);
    cairo_close_path(cr);
}

// The plate lit from the top-left, bent along a fold so one side turns away from the light.
void foldedPlate(cairo_t* cr, art::Rng& rng, double w, double h) {
    const Color metal = Color::hex(0x9ea5ae).scaled(rng.range(0.85, 1.1));
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, h);
    art::addStop(g, 0, art::mix(metal, Color{1, 1, 1, 1}, 0.3));
    art::addStop(g, 1, metal.scaled(0.6));
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    const double x0 = rng.range(0.2, 0.8) * w, x1 = rng.range(0.2, 0.8) * w;
    cairo_move_to(cr, x0, 0);
    cairo_line_to(cr, x1, h);
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, w, 0);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 0.05, 0.06, 0.08, 0.42);
    cairo_fill(cr);
    cairo_move_to(cr, x0, 0);
    cairo_line_to(cr, x1, h);
    cairo_set_line_width(cr, 0.7);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
    cairo_stroke(cr);
}

// Charred edges: a dark burn creeping in from the outline, with a few embers.
void burn(cairo_t* cr, art::Rng& rng, const std::vector<P2>& pts, double size) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (auto [width, alpha] : {std::pair{size * 0.2, 0.16}, {size * 0.1, 0.28}, {size * 0.045, 0.55}}) {
        tracePolygon(cr, pts);
        cairo_set_line_width(cr, width);
        cairo_set_source_rgba(cr, 0.09, 0.06, 0.04, alpha);
        cairo_stroke(cr);
    }
    const int embers = 1 + rng.below(3);
    for (int i = 0; i < embers; ++i) {
        const P2& p = pts[static_cast<std::size_t>(rng.below(static_cast<int>(pts.size())))];
        const double r = rng.range(0.8, 1.6);
        cairo_pattern_t* g = cairo_pattern_create_radial(p.x, p.y, 0, p.x, p.y, r * 2);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.75, 0.3, 1);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.8, 0.2, 0.05, 0);
        cairo_arc(cr, p.x, p.y, r * 2, 0, 2 * kPi);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
}

art::Image paintShard(int index, int w, int h) {
    art::Rng rng(0x7e0a11ULL * (index + 1) + 17);
    art::Canvas canvas(w, h, 4);
    cairo_t* cr = canvas.cr();
    const auto pts = shardOutline(rng, w, h);
    cairo_save(cr);
    tracePolygon(cr, pts);
    cairo_clip(cr);
    foldedPlate(cr, rng, w, h);
    if (rng.uniform() < 0.55) {
        const Color paint = Color::hex(kPaint[rng.below(5)]);
        const double y = h * rng.range(0.3, 0.6);
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, w, y - w * 0.4);
        cairo_set_line_width(cr, std::max(2.0, h * 0.16));
        art::setSource(cr, paint.scaled(0.8).withAlpha(0.85));
        cairo_stroke(cr);
    }
    if (w > 18) {
        const double y = h * 0.7;
        for (double x = w * 0.25; x < w * 0.8; x += 3.5) {
            cairo_arc(cr, x, y - (x - w / 2) * 0.3, 0.55, 0, 2 * kPi);
            cairo_set_source_rgba(cr, 0.15, 0.15, 0.17, 0.8);
            cairo_fill(cr);
        }
    }
    burn(cr, rng, pts, std::min(w, h));
    cairo_restore(cr);
    tracePolygon(cr, pts);
    cairo_set_line_width(cr, 0.7);
    cairo_set_source_rgba(cr, 0.05, 0.04, 0.03, 1);
    cairo_stroke(cr);
    return canvas.image();
}

}  // namespace

std::vector<Sprite> debrisSprites() {
    std::vector<Sprite> out;
    for (int i = 0; i < 16; ++i) {
        const auto [w, h] = kDebrisSizes[i];
        out.push_back({"truemmer" + std::to_string(i + 1) + ".png", paintShard(i, w, h)});
    }
    return out;
}

}  // namespace tolvex::shipart
