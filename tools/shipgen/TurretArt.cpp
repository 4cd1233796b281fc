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

// How a turret's barrels look.
enum class Barrel { Double, Single, Slim, Ball, Blade, Heavy, Gun };

// One turret sprite: its file, exact size, pivot row, energy colour and barrel kind.
struct TurretSpec {
    const char* file;
    int width;
    int height;
    int pivotY;
    std::uint32_t energy;
    Barrel barrel;
};

constexpr TurretSpec kTurrets[] = {
    {"LaserturretDoublegreen.png", 16, 27, 20, 0x5dff6a, Barrel::Double},
    {"LaserturretDoubleblue.png", 16, 27, 20, 0x4aa8ff, Barrel::Double},
    {"LaserturretDoublered.png", 16, 27, 20, 0xff4a3a, Barrel::Double},
    {"LaserturretDoubleviolett.png", 18, 48, 40, 0xb45cff, Barrel::Double},
    {"LaserturretMagenta1.png", 16, 21, 21, 0xff4ad8, Barrel::Single},
    {"LaserturretMagenta2.png", 16, 27, 21, 0xff4ad8, Barrel::Single},
    {"LaserturretOrange.png", 14, 25, 21, 0xff9a2a, Barrel::Single},
    {"Lavabladeturretn.png", 26, 34, 21, 0xff6a1a, Barrel::Blade},
    {"LaserturretRed1.png", 16, 21, 21, 0xff3a2a, Barrel::Single},
    {"LaserturretRed.png", 14, 25, 21, 0xff3a2a, Barrel::Heavy},
    {"LaserturretBlue1.png", 16, 21, 16, 0x4ab0ff, Barrel::Single},
    {"LaserturretBlue2.png", 14, 25, 21, 0x4ab0ff, Barrel::Heavy},
    {"LaserturretBlue3.png", 12, 26, 21, 0x4ab0ff, Barrel::Slim},
    {"LaserturretPurple1.png", 16, 21, 16, 0xc060ff, Barrel::Double},
    {"LaserturretPurple2.png", 14, 25, 21, 0xc060ff, Barrel::Heavy},
    {"LaserturretPurple3.png", 12, 26, 21, 0xc060ff, Barrel::Slim},
    {"LaserturretBlueBall.png", 18, 22, 12, 0x5ac8ff, Barrel::Ball},
    {"LaserturretDestructor.png", 14, 25, 18, 0xff5a1a, Barrel::Heavy},
    {"LaserturretMG.png", 14, 25, 18, 0xffc040, Barrel::Gun},
    {"LaserturretMG2.png", 14, 25, 18, 0xffe070, Barrel::Gun},
    {"LaserturretYellow.png", 12, 26, 20, 0xffe030, Barrel::Slim},
};

// A metal rectangle lit from the left, with a dark outline.
void metalBar(cairo_t* cr, double x, double y, double w, double h, const Color& base) {
    cairo_rectangle(cr, x, y, w, h);
    fillLitMetal(cr, x, x + w, base, {0.45, 0.45, 0.45}, Color{0.02, 0.02, 0.04, 0.9});
}

// A glowing energy band across a barrel.
void coil(cairo_t* cr, double x, double y, double w, double h, const Color& energy) {
    cairo_rectangle(cr, x, y, w, h);
    art::setSource(cr, art::mix(energy, Color{1, 1, 1, 1}, 0.25));
    cairo_fill(cr);
}

// A round muzzle light at the barrel's end.
void muzzle(cairo_t* cr, double x, double y, double r, const Color& energy) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
    art::addStop(g, 0, Color{1, 1, 1, 1});
    art::addStop(g, 0.5, energy);
    art::addStop(g, 1, energy.scaled(0.5));
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// The round turret base around the pivot: dark ring, lit dome, energy-coloured core.
void base(cairo_t* cr, double cx, double cy, double r, const Color& energy) {
    const Color metal = Color::hex(0x6a7480);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.4, 0, cx, cy, r);
    art::addStop(g, 0, Color::hex(0xdfe6ee));
    art::addStop(g, 0.55, metal);
    art::addStop(g, 1, metal.scaled(0.4));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 0.8);
    cairo_set_source_rgba(cr, 0.02, 0.02, 0.04, 1);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.68, 0, 2 * kPi);
    cairo_set_line_width(cr, 0.8);
    art::setSource(cr, energy.scaled(0.75));
    cairo_stroke(cr);
    muzzle(cr, cx, cy, r * 0.36, energy);
}

// A muzzle collar with the energy glowing in its mouth.
void muzzleCollar(cairo_t* cr, double cx, double top, double bw, const Color& energy) {
    metalBar(cr, cx - bw * 0.7, top, bw * 1.4, 2.2, Color::hex(0x9aa3ae));
    muzzle(cr, cx, top + 1.1, bw * 0.42, energy);
}

// One straight barrel from the top edge down to y, with energy coils.
void barrel(cairo_t* cr, double cx, double top, double bottom, double bw, const Color& energy, int coils) {
    metalBar(cr, cx - bw / 2, top + 1, bw, bottom - top - 1, Color::hex(0x88919c));
    for (int i = 1; i <= coils; ++i) coil(cr, cx - bw / 2, top + 3 + (bottom - top - 5) * i / (coils + 1.0), bw, 1.0, energy);
    muzzleCollar(cr, cx, top, bw, energy);
}

// The armoured housing the barrels come out of, just above the base.
void shoulder(cairo_t* cr, double cx, double y, double w, double h, const Color& energy) {
    metalBar(cr, cx - w / 2, y, w, h, Color::hex(0x565e68));
    coil(cr, cx - w * 0.3, y + h * 0.35, w * 0.6, 0.9, energy.scaled(0.9));
}

void barrels(cairo_t* cr, const TurretSpec& t, const Color& energy, double r) {
    const double cx = t.width / 2.0;
    const double top = 0.5;
    const double py = t.pivotY;
    const double w = t.width;
    switch (t.barrel) {
        case Barrel::Double:
            for (double side : {-1.0, 1.0}) barrel(cr, cx + side * w * 0.2, top, py - r * 0.5, w * 0.2, energy, t.height > 40 ? 4 : 2);
            shoulder(cr, cx, py - r - 3.5, w * 0.7, 4.5, energy);
            break;
        case Barrel::Single:
        case Barrel::Slim:
            barrel(cr, cx, top, py - r * 0.5, w * (t.barrel == Barrel::Slim ? 0.3 : 0.3), energy, 2);
            shoulder(cr, cx, py - r - 3, w * 0.55, 4, energy);
            break;
        case Barrel::Heavy:
            barrel(cr, cx, top, py - r * 0.5, w * 0.34, energy, 1);
            shoulder(cr, cx, py - r - 6, w * 0.62, 7, energy);
            break;
        case Barrel::Gun:
            for (double side : {-1.0, 1.0}) {
                metalBar(cr, cx + side * 1.3 - 0.9, top + 1, 1.8, py - top - 2, Color::hex(0x5a6068));
            }
            metalBar(cr, cx - 2.6, top, 5.2, 2, Color::hex(0x3a3e44));
            shoulder(cr, cx, py - r - 5, w * 0.66, 6, energy);
            break;
        case Barrel::Ball:
            barrel(cr, cx, top + 2, py - r * 0.5, 3.2, energy, 0);
            muzzle(cr, cx, top + 3.5, 3.4, energy);
            break;
        case Barrel::Blade:
            for (double side : {-1.0, 1.0}) {
                const double bx = cx + side * w * 0.26;
                cairo_move_to(cr, bx - 2, py - 2);
                cairo_line_to(cr, bx + side * 1.5 - 1.2, top);
                cairo_line_to(cr, bx + side * 1.5 + 1.2, top);
                cairo_line_to(cr, bx + 2, py - 2);
                cairo_close_path(cr);
                art::setSource(cr, Color::hex(0x5c646e));
                cairo_fill_preserve(cr);
                cairo_set_line_width(cr, 0.6);
                cairo_set_source_rgba(cr, 0, 0, 0, 0.9);
                cairo_stroke(cr);
            }
            cairo_rectangle(cr, cx - w * 0.2, top + 4, w * 0.4, py - top - 8);
            cairo_pattern_t* lava = cairo_pattern_create_linear(0, top, 0, py);
            art::addStop(lava, 0, Color{1, 0.95, 0.7, 1});
            art::addStop(lava, 0.5, energy);
            art::addStop(lava, 1, energy.scaled(0.5));
            cairo_set_source(cr, lava);
            cairo_fill(cr);
            cairo_pattern_destroy(lava);
            break;
    }
}

art::Image paintTurret(const TurretSpec& t) {
    art::Canvas canvas(t.width, t.height, 4);
    cairo_t* cr = canvas.cr();
    const Color energy = Color::hex(t.energy);
    const double r = std::min(t.width / 2.0 - 0.6, t.barrel == Barrel::Blade ? 9.0 : 6.5);
    barrels(cr, t, energy, r);
    base(cr, t.width / 2.0, t.pivotY, r, energy);
    return canvas.image();
}

}  // namespace

std::vector<Sprite> turretSprites() {
    std::vector<Sprite> out;
    for (const TurretSpec& t : kTurrets) out.push_back({t.file, paintTurret(t)});
    return out;
}

}  // namespace tolvex::shipart
