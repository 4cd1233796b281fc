#include "ShipGlow.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Canvas.h"
#include "Filters.h"
#include "HullPath.h"

namespace tolvex::shipart {

using art::Color;

namespace {

constexpr double kPi = std::numbers::pi;

// A soft radial glow centred at (x, y) with radii (rx, ry).
void halo(cairo_t* cr, double x, double y, double rx, double ry, const Color& c, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    art::addStop(g, 0, c.withAlpha(alpha));
    art::addStop(g, 0.4, c.withAlpha(alpha * 0.45));
    art::addStop(g, 1, c.withAlpha(0));
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

// The exhaust plume of one nozzle: a soft teardrop behind it, as long as the sprite leaves room for.
void plume(cairo_t* cr, const ShipDesign& d, const Engine& e, double x) {
    const double room = d.height / 2.0 - e.y;
    const double len = std::clamp(std::min(e.w * 2.6 * e.plume, room + 3), e.w * 0.8, e.w * 4.0);
    halo(cr, x, e.y + 0.5, e.w * 0.85, len, d.palette.engine, 1.0);
    halo(cr, x, e.y + 0.5, e.w * 0.5, std::min(len, e.w * 0.9), art::mix(d.palette.engine, Color{1, 1, 1, 1}, 0.7), 1.0);
}

// The violet aura around a special edition: its silhouette, blurred.
art::FloatImage aura(const ShipDesign& d, int zoom) {
    art::Canvas c(d.width * zoom, d.height * zoom, 1);
    cairo_t* cr = c.cr();
    cairo_scale(cr, zoom, zoom);
    cairo_translate(cr, d.width / 2.0, d.height / 2.0);
    for (const Part& p : d.parts) {
        cairo_new_path(cr);
        tracePart(cr, p);
        cairo_set_source_rgba(cr, 0.72, 0.4, 1.0, 1);
        cairo_fill(cr);
    }
    art::FloatImage img = art::fromImage(c.image());
    art::boxBlur(img, 2 * zoom, 3);
    for (float& v : img.px) v *= 0.8f;
    return img;
}

// Adds light b onto a (premultiplied, alpha and colour saturate at 1).
void addInto(art::FloatImage& a, const art::FloatImage& b) {
    for (std::size_t i = 0; i < a.px.size(); ++i) a.px[i] = std::min(1.0f, a.px[i] + b.px[i]);
}

// Scales every pixel down so its alpha stays at or below the glow limit.
void capAlpha(art::FloatImage& img) {
    const float cap = kMaxGlowAlpha / 255.0f;
    for (std::size_t i = 0; i < img.px.size(); i += 4) {
        const float a = img.px[i + 3];
        if (a <= cap) continue;
        const float f = cap / a;
        for (int k = 0; k < 4; ++k) img.px[i + k] *= f;
    }
}

}  // namespace

art::Image paintGlow(const ShipDesign& d, int zoom) {
    art::Canvas c(d.width * zoom, d.height * zoom, 2);
    cairo_t* cr = c.cr();
    cairo_scale(cr, zoom, zoom);
    cairo_translate(cr, d.width / 2.0, d.height / 2.0);
    const Palette& pal = d.palette;
    for (const Engine& e : d.engines) {
        plume(cr, d, e, e.x);
        if (e.x != 0) plume(cr, d, e, -e.x);
    }
    for (const Pt& l : d.lights) {
        halo(cr, l.x, l.y, 3.5, 3.5, Color::hex(0x40ff60), 0.8);
        halo(cr, -l.x, l.y, 3.5, 3.5, Color::hex(0xff3030), 0.8);
    }
    for (const Deco& deco : d.decos) {
        if (deco.kind != DecoKind::Spots) continue;
        halo(cr, deco.x, deco.y, deco.w * 2.4, deco.w * 2.4, pal.lights, 0.8);
        if (deco.mirror && deco.x != 0) halo(cr, -deco.x, deco.y, deco.w * 2.4, deco.w * 2.4, pal.lights, 0.8);
    }
    art::FloatImage glow = art::fromImage(c.image());
    if (d.premium) addInto(glow, aura(d, zoom));
    capAlpha(glow);
    return art::toImage(glow);
}

art::Image composeOver(const art::Image& top, const art::Image& bottom) {
    art::Image out(top.width, top.height);
    for (int y = 0; y < top.height; ++y) {
        for (int x = 0; x < top.width; ++x) {
            const std::uint8_t* t = top.at(x, y);
            const std::uint8_t* b = bottom.at(x, y);
            std::uint8_t* o = out.at(x, y);
            const double ta = t[3] / 255.0, ba = b[3] / 255.0;
            const double a = ta + ba * (1 - ta);
            o[3] = static_cast<std::uint8_t>(std::lround(a * 255));
            if (a <= 0) continue;
            for (int k = 0; k < 3; ++k)
                o[k] = static_cast<std::uint8_t>(std::lround((t[k] * ta + b[k] * ba * (1 - ta)) / a));
        }
    }
    return out;
}

}  // namespace tolvex::shipart
