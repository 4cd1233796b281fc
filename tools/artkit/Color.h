#pragma once

#include <cairo.h>

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace tolvex::art {

// A colour with straight alpha, components in [0, 1].
struct Color {
    double r = 0, g = 0, b = 0, a = 1;

    // 0xRRGGBB with the given alpha.
    static Color hex(std::uint32_t rgb, double alpha = 1.0);
    // The same colour with another alpha.
    Color withAlpha(double alpha) const { return {r, g, b, alpha}; }
    // Multiplies the colour (not alpha) by f, clamped.
    Color scaled(double f) const;
};

// Linear blend from a (t = 0) to b (t = 1), alpha included.
Color mix(const Color& a, const Color& b, double t);

// A piecewise-linear colour ramp over [0, 1]; stops must be in ascending order.
class ColorRamp {
public:
    ColorRamp(std::initializer_list<std::pair<double, Color>> stops) : stops_(stops) {}
    Color at(double t) const;

private:
    std::vector<std::pair<double, Color>> stops_;
};

// Sets the Cairo source colour.
void setSource(cairo_t* cr, const Color& c);

// Adds a colour stop to a Cairo gradient.
void addStop(cairo_pattern_t* pattern, double offset, const Color& c);

// Clamps to [0, 1].
inline double clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

// Hermite smooth step of x between edges e0 and e1.
inline double smoothstep(double e0, double e1, double x) {
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

}  // namespace tolvex::art
