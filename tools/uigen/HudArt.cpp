#include <cmath>

#include "Glow.h"
#include "UiArt.h"

namespace tolvex::art {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kDeg = kPi / 180;

// Gauge geometry in the speed gauge's frame: the arc hugs the radar, whose centre lies 147 px to
// the right of the frame's left edge and 58 px below its top.
constexpr double kGaugeCx = 147, kGaugeCy = 58;
constexpr double kGaugeInner = 113, kGaugeOuter = 135;
constexpr int kGaugeSegments = 14;
constexpr double kGaugeFrom = 138 * kDeg, kGaugeTo = 201 * kDeg;

// The segment outlines of the left gauge arc, as paths.
void gaugeSegments(cairo_t* cr) {
    const double step = (kGaugeTo - kGaugeFrom) / kGaugeSegments;
    for (int i = 0; i < kGaugeSegments; ++i) {
        const double a0 = kGaugeFrom + i * step + step * 0.12, a1 = kGaugeFrom + (i + 1) * step - step * 0.12;
        cairo_new_sub_path(cr);
        cairo_arc(cr, kGaugeCx, kGaugeCy, kGaugeOuter, a0, a1);
        cairo_arc_negative(cr, kGaugeCx, kGaugeCy, kGaugeInner, a1, a0);
        cairo_close_path(cr);
    }
}

// One 97 x 158 gauge frame: lit segments glow, unlit ones are faint glass.
Image gaugeFrame(bool lit, bool mirrored, const Color& colour) {
    auto draw = [mirrored](cairo_t* cr) {
        cairo_save(cr);
        if (mirrored) {
            cairo_translate(cr, 97, 0);
            cairo_scale(cr, -1, 1);
        }
        gaugeSegments(cr);
        cairo_restore(cr);
    };
    if (lit) {
        return glowingShape(97, 158, [&](cairo_t* cr) { draw(cr); cairo_fill(cr); },
                            mix(colour, Color::hex(0xffffff), 0.55), colour, 3, 1.6);
    }
    Canvas canvas(97, 158, 4);
    draw(canvas.cr());
    setSource(canvas.cr(), colour.withAlpha(0.14));
    cairo_fill_preserve(canvas.cr());
    setSource(canvas.cr(), colour.withAlpha(0.45));
    cairo_set_line_width(canvas.cr(), 0.8);
    cairo_stroke(canvas.cr());
    return canvas.image();
}

// Two frames side by side: frame 0 on the left.
Image strip(const Image& frame0, const Image& frame1) {
    Image out(frame0.width * 2, frame0.height);
    for (int y = 0; y < frame0.height; ++y)
        for (int x = 0; x < frame0.width; ++x) {
            std::copy_n(frame0.at(x, y), 4, out.at(x, y));
            std::copy_n(frame1.at(x, y), 4, out.at(x + frame0.width, y));
        }
    return out;
}

// The radar: a translucent disc of 95 px radius with range rings, a cross and a faint sweep.
Image radarDisc() {
    Canvas canvas(200, 200, 4);
    cairo_t* cr = canvas.cr();
    const double c = 100, r = 95;
    PatternPtr glass(cairo_pattern_create_radial(c, c, 0, c, c, r));
    addStop(glass.get(), 0, Color::hex(0x0c2a3a, 0.45));
    addStop(glass.get(), 1, Color::hex(0x041018, 0.7));
    cairo_arc(cr, c, c, r, 0, 2 * kPi);
    cairo_set_source(cr, glass.get());
    cairo_fill(cr);
    PatternPtr sweep(cairo_pattern_create_linear(c, c - r, c + r, c));
    addStop(sweep.get(), 0, Color::hex(0x40e0ff, 0.16));
    addStop(sweep.get(), 1, Color::hex(0x40e0ff, 0));
    cairo_move_to(cr, c, c);
    cairo_arc(cr, c, c, r, -90 * kDeg, -30 * kDeg);
    cairo_close_path(cr);
    cairo_set_source(cr, sweep.get());
    cairo_fill(cr);
    setSource(cr, Color::hex(0x50d8ff, 0.28));
    cairo_set_line_width(cr, 0.8);
    for (double f : {1.0 / 3, 2.0 / 3}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, c, c, r * f, 0, 2 * kPi);
    }
    cairo_move_to(cr, c - r, c);
    cairo_line_to(cr, c + r, c);
    cairo_move_to(cr, c, c - r);
    cairo_line_to(cr, c, c + r);
    cairo_stroke(cr);
    for (int i = 0; i < 36; ++i) {  // bearing ticks on the rim
        const double a = i * 10 * kDeg, len = i % 9 == 0 ? 7 : 3;
        cairo_move_to(cr, c + std::cos(a) * (r - len), c + std::sin(a) * (r - len));
        cairo_line_to(cr, c + std::cos(a) * r, c + std::sin(a) * r);
    }
    setSource(cr, Color::hex(0x70e4ff, 0.6));
    cairo_stroke(cr);
    const Image rim = glowingShape(200, 200, [](cairo_t* g) {
        cairo_arc(g, 100, 100, 95, 0, 2 * kPi);
        cairo_set_line_width(g, 1.6);
        cairo_stroke(g);
    }, Color::hex(0xa8f0ff), Color::hex(0x30c0ff), 3, 1.4);
    return over(rim, canvas.image());
}

// The rocket arc: icons sit on radius 120 around a point 108 px below the image centre,
// from -45 to +45 degrees, in 13 steps; four groups of three slots, one per rocket type.
Image rocketArc() {
    const int w = 224, h = 96;
    const double cx = w / 2.0, cy = h / 2.0 + 108;
    const double s = 90.0 / 13;
    auto angle = [&](double deg) { return (deg - 90) * kDeg; };
    Canvas canvas(w, h, 4);
    cairo_t* cr = canvas.cr();
    cairo_arc(cr, cx, cy, 134, angle(-50), angle(50));
    cairo_arc_negative(cr, cx, cy, 106, angle(50), angle(-50));
    cairo_close_path(cr);
    setSource(cr, Color::hex(0x06121c, 0.55));
    cairo_fill(cr);
    setSource(cr, Color::hex(0x50d8ff, 0.5));
    cairo_set_line_width(cr, 0.8);
    for (int i = 0; i <= 4; ++i) {  // separators between the rocket types' slots
        const double a = angle((3 * i + 0.5) * s - 45);
        cairo_move_to(cr, cx + std::cos(a) * 108, cy + std::sin(a) * 108);
        cairo_line_to(cr, cx + std::cos(a) * 132, cy + std::sin(a) * 132);
    }
    cairo_stroke(cr);
    const Image edges = glowingShape(w, h, [&](cairo_t* g) {
        cairo_set_line_width(g, 1.4);
        cairo_arc(g, cx, cy, 134, angle(-50), angle(50));
        cairo_stroke(g);
        cairo_arc(g, cx, cy, 106, angle(-50), angle(50));
        cairo_stroke(g);
    }, Color::hex(0xa8f0ff), Color::hex(0x30c0ff), 3, 1.3);
    return over(edges, canvas.image());
}

// The selection mark under the chosen rocket: a bright chevron pointing at the icon.
Image rocketSelected() {
    return glowingShape(22, 14, [](cairo_t* cr) {
        cairo_move_to(cr, 3, 11);
        cairo_line_to(cr, 11, 4);
        cairo_line_to(cr, 19, 11);
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }, Color::hex(0xfff4c0), Color::hex(0xffa020), 2, 2.0);
}

}  // namespace

void writeHudArt(const std::string& dir) {
    const Color speed = Color::hex(0x40b0ff), hp = Color::hex(0x50ff70);
    writePng(dir + "/HUD_Speed.png", strip(gaugeFrame(false, false, speed), gaugeFrame(true, false, speed)));
    writePng(dir + "/HUD_HP.png", strip(gaugeFrame(true, true, hp), gaugeFrame(false, true, hp)));
    writePng(dir + "/Radarimage.png", radarDisc());
    writePng(dir + "/HUD_Rocket.png", rocketArc());
    writePng(dir + "/HUD_RocketSelected.png", rocketSelected());
}

}  // namespace tolvex::art
