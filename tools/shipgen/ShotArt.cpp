#include <algorithm>
#include <cmath>
#include <numbers>

#include "Canvas.h"
#include "Color.h"
#include "WeaponArt.h"

namespace tolvex::shipart {

using art::Color;

namespace {

constexpr double kPi = std::numbers::pi;

// How a shot is shaped.
enum class ShotShape { Bolt, Twin, Ball, TwinBall, Blade, Tracer };

// One shot sprite: file, exact size, colour and shape.
struct ShotSpec {
    const char* file;
    int width;
    int height;
    std::uint32_t color;
    ShotShape shape;
};

constexpr ShotSpec kShots[] = {
    {"LaserDoublegreen.png", 16, 24, 0x3dff5a, ShotShape::Twin},
    {"LaserDoubleblue.png", 18, 26, 0x3a9cff, ShotShape::Twin},
    {"LaserDoublered.png", 18, 26, 0xff3a2a, ShotShape::Twin},
    {"LaserDoubleviolett.png", 18, 26, 0xb050ff, ShotShape::Twin},
    {"LaserMagentaShort.png", 9, 9, 0xff3ad0, ShotShape::Ball},
    {"LaserMagenta.png", 9, 24, 0xff3ad0, ShotShape::Bolt},
    {"LaserOrange300.png", 5, 16, 0xff9020, ShotShape::Bolt},
    {"LaserOrange600.png", 7, 20, 0xff9020, ShotShape::Bolt},
    {"LaserOrange800.png", 7, 29, 0xff9020, ShotShape::Bolt},
    {"Lavablade.png", 24, 16, 0xff5a10, ShotShape::Blade},
    {"LaserRed1000.png", 9, 6, 0xff2a1a, ShotShape::Ball},
    {"LaserRed2000.png", 9, 18, 0xff2a1a, ShotShape::Bolt},
    {"LaserRed3000.png", 9, 24, 0xff2a1a, ShotShape::Bolt},
    {"LaserBlue2.png", 11, 24, 0x3aa8ff, ShotShape::Bolt},
    {"LaserBlue.png", 11, 26, 0x3aa8ff, ShotShape::Bolt},
    {"LaserPurple1.png", 14, 12, 0xb84aff, ShotShape::TwinBall},
    {"LaserPurple2.png", 9, 24, 0xb84aff, ShotShape::Bolt},
    {"LaserPurple3.png", 14, 24, 0xb84aff, ShotShape::Twin},
    {"LaserBlueBall.png", 10, 11, 0x4ac8ff, ShotShape::Ball},
    {"LaserDestructor.png", 7, 29, 0xff4010, ShotShape::Bolt},
    {"LaserMG.png", 10, 100, 0xffb040, ShotShape::Tracer},
    {"LaserYellow.png", 9, 24, 0xffe020, ShotShape::Bolt},
};

// A soft elliptical glow in the shot colour fading to transparent black.
void glow(cairo_t* cr, double x, double y, double rx, double ry, const Color& c, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    art::addStop(g, 0, c.withAlpha(alpha));
    art::addStop(g, 0.5, c.scaled(0.8).withAlpha(alpha * 0.45));
    art::addStop(g, 1, c.scaled(0.4).withAlpha(0));
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

// The white-hot core: an opaque capsule blending from white into the colour at its rim.
void core(cairo_t* cr, double x, double y, double rx, double ry, const Color& c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    art::addStop(g, 0, Color{1, 1, 1, 1});
    art::addStop(g, 0.4, Color{1, 1, 1, 1});
    art::addStop(g, 0.7, art::mix(c, Color{1, 1, 1, 1}, 0.55));
    art::addStop(g, 1, c.withAlpha(0.85));
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

// A bolt filling a column of the sprite centred at x, w wide.
void bolt(cairo_t* cr, double x, double w, double h, const Color& c) {
    glow(cr, x, h / 2, w / 2, h / 2, c, 0.9);
    core(cr, x, h * 0.45, std::max(0.9, w * 0.2), h * 0.36, c);
}

// The MG tracer: a long thin streak, white-hot at the front and cooling towards the tail.
void tracer(cairo_t* cr, double w, double h, const Color& c) {
    const double x = w / 2;
    cairo_pattern_t* trail = cairo_pattern_create_linear(0, 2, 0, h);
    art::addStop(trail, 0, c.withAlpha(0.7));
    art::addStop(trail, 1, c.scaled(0.5).withAlpha(0));
    cairo_rectangle(cr, x - 1.6, 2, 3.2, h - 2);
    cairo_set_source(cr, trail);
    cairo_fill(cr);
    cairo_pattern_destroy(trail);
    cairo_pattern_t* streak = cairo_pattern_create_linear(0, 1, 0, h * 0.7);
    art::addStop(streak, 0, Color{1, 1, 1, 1});
    art::addStop(streak, 0.35, art::mix(c, Color{1, 1, 1, 1}, 0.5));
    art::addStop(streak, 1, c.withAlpha(0));
    cairo_rectangle(cr, x - 0.6, 1, 1.2, h * 0.7);
    cairo_set_source(cr, streak);
    cairo_fill(cr);
    cairo_pattern_destroy(streak);
    glow(cr, x, 5, w / 2, 5, c, 0.9);
    core(cr, x, 4.5, 1.7, 4, c);
}

// The lava blade: a glowing crescent swept across the direction of flight.
void blade(cairo_t* cr, double w, double h, const Color& c) {
    glow(cr, w / 2, h * 0.55, w / 2, h * 0.45, c, 0.7);
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, w / 2, h * 1.25, h * 1.0, 1.18 * kPi, 1.82 * kPi);
    cairo_arc_negative(cr, w / 2, h * 1.45, h * 0.95, 1.75 * kPi, 1.25 * kPi);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, h * 0.2, 0, h * 0.6);
    art::addStop(g, 0, Color{1, 1, 0.85, 1});
    art::addStop(g, 0.5, art::mix(c, Color{1, 1, 1, 1}, 0.35));
    art::addStop(g, 1, c);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_new_path(cr);
    cairo_arc(cr, w / 2, h * 1.3, h * 0.98, 1.3 * kPi, 1.7 * kPi);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

art::Image paintShot(const ShotSpec& s) {
    art::Canvas canvas(s.width, s.height, 4);
    cairo_t* cr = canvas.cr();
    const Color c = Color::hex(s.color);
    const double w = s.width, h = s.height;
    switch (s.shape) {
        case ShotShape::Bolt: bolt(cr, w / 2, w, h, c); break;
        case ShotShape::Twin:
            bolt(cr, w * 0.27, w * 0.5, h, c);
            bolt(cr, w * 0.73, w * 0.5, h, c);
            break;
        case ShotShape::Ball:
            glow(cr, w / 2, h / 2, w / 2, h / 2, c, 0.9);
            core(cr, w / 2, h / 2, std::min(w, h) * 0.3, std::min(w, h) * 0.3, c);
            break;
        case ShotShape::TwinBall:
            for (double x : {w * 0.27, w * 0.73}) {
                glow(cr, x, h / 2, w * 0.26, h / 2, c, 0.9);
                core(cr, x, h * 0.5, w * 0.11, h * 0.24, c);
            }
            break;
        case ShotShape::Blade: blade(cr, w, h, c); break;
        case ShotShape::Tracer: tracer(cr, w, h, c); break;
    }
    return canvas.image();
}

}  // namespace

std::vector<Sprite> shotSprites() {
    std::vector<Sprite> out;
    for (const ShotSpec& s : kShots) out.push_back({s.file, paintShot(s)});
    return out;
}

}  // namespace tolvex::shipart
