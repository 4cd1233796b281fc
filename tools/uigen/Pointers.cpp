#include <cmath>

#include "Glow.h"
#include "UiArt.h"

namespace tolvex::art {

namespace {

constexpr double kPi = 3.14159265358979;

// An arrowhead pointing up, centred in a size x size image.
void arrowPath(cairo_t* cr, double size) {
    const double c = size / 2, u = size / 24;
    cairo_move_to(cr, c, 2 * u);
    cairo_line_to(cr, c + 8 * u, 19 * u);
    cairo_line_to(cr, c, 14 * u);
    cairo_line_to(cr, c - 8 * u, 19 * u);
    cairo_close_path(cr);
}

Image arrow(int size, const Color& colour) {
    return glowingShape(size, size, [size](cairo_t* cr) {
        arrowPath(cr, size);
        cairo_fill(cr);
    }, mix(colour, Color::hex(0xffffff), 0.45), colour, 2, 1.8);
}

// A small open chevron for the aiming line.
Image chevron(int size, const Color& colour) {
    return glowingShape(size, size, [size](cairo_t* cr) {
        const double c = size / 2.0, u = size / 12.0;
        cairo_move_to(cr, c - 4 * u, c + 2.5 * u);
        cairo_line_to(cr, c, c - 2.5 * u);
        cairo_line_to(cr, c + 4 * u, c + 2.5 * u);
        cairo_set_line_width(cr, 1.6 * u);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }, mix(colour, Color::hex(0xffffff), 0.5), colour, 1, 1.6);
}

// The auto-aim mark: a bracketed arrow; `locked` draws it closed and hotter.
Image autoAim(bool locked) {
    const Color colour = locked ? Color::hex(0xff5a28) : Color::hex(0xffd040);
    return glowingShape(24, 24, [locked](cairo_t* cr) {
        arrowPath(cr, 24);
        if (locked) cairo_fill(cr);
        else {
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
        cairo_set_line_width(cr, 1.2);
        cairo_arc(cr, 12, 12, 10.5, kPi * 0.15, kPi * 0.85);
        cairo_stroke(cr);
    }, mix(colour, Color::hex(0xffffff), 0.4), colour, 2, 1.6);
}

// Warning triangle with an exclamation mark, pointing towards the incoming rocket.
Image rocketAlarmSign() {
    return glowingShape(30, 30, [](cairo_t* cr) {
        cairo_move_to(cr, 15, 3);
        cairo_line_to(cr, 27, 25);
        cairo_line_to(cr, 3, 25);
        cairo_close_path(cr);
        cairo_rectangle(cr, 13.6, 10, 2.8, 8.5);  // the mark is cut out of the triangle
        cairo_arc(cr, 15, 21.2, 1.6, 0, 2 * kPi);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_fill(cr);
    }, Color::hex(0xff5a40), Color::hex(0xff2010), 2, 2.0);
}

// The spinning pointer: a broken ring with four inward ticks.
Image spinningPointer() {
    return glowingShape(32, 32, [](cairo_t* cr) {
        cairo_set_line_width(cr, 1.6);
        for (int i = 0; i < 4; ++i) {
            const double a = i * kPi / 2;
            cairo_new_sub_path(cr);
            cairo_arc(cr, 16, 16, 11, a + 0.25, a + kPi / 2 - 0.25);
            cairo_move_to(cr, 16 + std::cos(a) * 14, 16 + std::sin(a) * 14);
            cairo_line_to(cr, 16 + std::cos(a) * 8, 16 + std::sin(a) * 8);
        }
        cairo_stroke(cr);
    }, Color::hex(0xd8f8ff), Color::hex(0x30c0ff), 2, 1.6);
}

// The inner pointer part: three small blades around the hot spot.
Image innerPointer() {
    return glowingShape(16, 16, [](cairo_t* cr) {
        for (int i = 0; i < 3; ++i) {
            const double a = -kPi / 2 + i * 2 * kPi / 3;
            cairo_move_to(cr, 8 + std::cos(a) * 6.5, 8 + std::sin(a) * 6.5);
            cairo_line_to(cr, 8 + std::cos(a + 0.45) * 3, 8 + std::sin(a + 0.45) * 3);
            cairo_line_to(cr, 8 + std::cos(a - 0.2) * 2.5, 8 + std::sin(a - 0.2) * 2.5);
            cairo_close_path(cr);
        }
        cairo_fill(cr);
        cairo_arc(cr, 8, 8, 1, 0, 2 * kPi);
        cairo_fill(cr);
    }, Color::hex(0xffffff), Color::hex(0x60e0ff), 1, 1.5);
}

// A soft round glow, white so the drawing colour tints it.
Image shine() {
    return toImage(renderField(64, 64, 2, [](double x, double y) {
        const double r = std::hypot(x - 32, y - 32) / 32;
        const double a = std::exp(-r * r * 5) * 0.85 + std::exp(-r * r * 40) * 0.15;
        return Color::hex(0xffffff, a * (1 - smoothstep(0.85, 1.0, r)));
    }));
}

}  // namespace

void writePointers(const std::string& dir) {
    writePng(dir + "/AimPointer.png", arrow(24, Color::hex(0xff6a3a)));
    writePng(dir + "/BuddyArrow.png", arrow(24, Color::hex(0x50ff70)));
    writePng(dir + "/AimCrossArrow.png", chevron(12, Color::hex(0x70e0ff)));
    writePng(dir + "/AutoAimArrow.png", autoAim(false));
    writePng(dir + "/AutoAimArrow2.png", autoAim(true));
    writePng(dir + "/rocketalarmsign.png", rocketAlarmSign());
    writePng(dir + "/Mouse.png", spinningPointer());
    writePng(dir + "/Mouse2.png", innerPointer());
    writePng(dir + "/shine.png", shine());
}

}  // namespace tolvex::art
