#include "DesktopIcon.h"

#include <algorithm>
#include <cmath>

#include "ShipPainter.h"

namespace tolvex::art {

namespace {

constexpr double kPi = 3.14159265358979;
// Everything is laid out on a 256-unit square and scaled to the size asked for.
constexpr double kUnits = 256;
constexpr double kMargin = 10, kCorner = 46;
// The ship banks to the upper right, the way it flies off the menu.
constexpr double kShipTurn = 40 * kPi / 180;
// The ship's longer side, in units.
constexpr double kShipLength = 178;

void badgePath(cairo_t* cr) {
    const double lo = kMargin, hi = kUnits - kMargin, r = kCorner;
    cairo_new_sub_path(cr);
    cairo_arc(cr, hi - r, lo + r, r, -kPi / 2, 0);
    cairo_arc(cr, hi - r, hi - r, r, 0, kPi / 2);
    cairo_arc(cr, lo + r, hi - r, r, kPi / 2, kPi);
    cairo_arc(cr, lo + r, lo + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void softBlob(cairo_t* cr, double x, double y, double radius, const Color& colour) {
    PatternPtr blob(cairo_pattern_create_radial(x, y, 0, x, y, radius));
    addStop(blob.get(), 0, colour);
    addStop(blob.get(), 1, colour.withAlpha(0));
    cairo_set_source(cr, blob.get());
    cairo_paint(cr);
}

// Deep blue space lit from the top left, a violet and a teal cloud, and stars.
void space(cairo_t* cr, int size) {
    PatternPtr deep(cairo_pattern_create_linear(0, 0, kUnits, kUnits));
    addStop(deep.get(), 0, Color::hex(0x1a2c5e));
    addStop(deep.get(), 1, Color::hex(0x04060f));
    cairo_set_source(cr, deep.get());
    cairo_paint(cr);
    softBlob(cr, 70, 190, 120, Color::hex(0x7a3cc8, 0.55));
    softBlob(cr, 200, 60, 100, Color::hex(0x1fa0c8, 0.45));
    // Small icons get fewer, brighter stars, so they do not turn into grey dust.
    Rng rng(0x70C0);
    const int stars = size >= 128 ? 40 : 12;
    for (int i = 0; i < stars; ++i) {
        const double x = rng.range(kMargin, kUnits - kMargin), y = rng.range(kMargin, kUnits - kMargin);
        const double radius = (size >= 128 ? 0.6 : 1.6) + 1.4 * std::pow(rng.uniform(), 4);
        setSource(cr, Color::hex(0xe8f4ff, 0.5 + 0.5 * rng.uniform()));
        cairo_arc(cr, x, y, radius, 0, 2 * kPi);
        cairo_fill(cr);
    }
}

// A thin light along the rim, brightest where the light comes from.
void rim(cairo_t* cr) {
    badgePath(cr);
    PatternPtr light(cairo_pattern_create_linear(0, 0, kUnits, kUnits));
    addStop(light.get(), 0, Color::hex(0xbfe8ff, 0.95));
    addStop(light.get(), 0.5, Color::hex(0x4a78b8, 0.5));
    addStop(light.get(), 1, Color::hex(0x1a2850, 0.8));
    cairo_set_source(cr, light.get());
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

// The ship's engine flare behind its tail, then the ship over it, nose to the upper right. The
// sprite is painted at a zoom that gives the canvas at least a pixel per pixel, so it never blurs.
void ship(cairo_t* cr, const shipart::ShipDesign& design, int canvasSize) {
    const int length = std::max(design.width, design.height);
    const int zoom = static_cast<int>(std::ceil(canvasSize * kShipLength / kUnits / length));
    const Image picture = shipart::paintShip(design, shipart::mountsOf(design.file), zoom);
    const double scale = kShipLength / std::max(picture.width, picture.height);
    cairo_save(cr);
    cairo_translate(cr, kUnits / 2, kUnits / 2 + 6);
    cairo_rotate(cr, kShipTurn);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    softBlob(cr, 0, picture.height * scale * 0.52, 44, Color::hex(0xffb040, 0.8));
    softBlob(cr, 0, picture.height * scale * 0.5, 18, Color::hex(0xfff4d8, 0.9));
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_scale(cr, scale, scale);
    const SurfacePtr surface = surfaceFromImage(picture);
    cairo_set_source_surface(cr, surface.get(), -picture.width / 2.0, -picture.height / 2.0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
    cairo_paint(cr);
    cairo_restore(cr);
}

}  // namespace

Image desktopIcon(const shipart::ShipDesign& design, int size) {
    Canvas canvas(size, size, 4);
    cairo_t* cr = canvas.cr();
    cairo_scale(cr, size / kUnits, size / kUnits);
    cairo_save(cr);
    badgePath(cr);
    cairo_clip(cr);
    space(cr, size);
    cairo_restore(cr);
    ship(cr, design, size * canvas.supersample());
    rim(cr);
    return canvas.image();
}

}  // namespace tolvex::art
