#include "Color.h"

namespace tolvex::art {

Color Color::hex(std::uint32_t rgb, double alpha) {
    return {((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0, alpha};
}

Color Color::scaled(double f) const { return {clamp01(r * f), clamp01(g * f), clamp01(b * f), a}; }

Color mix(const Color& a, const Color& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Color ColorRamp::at(double t) const {
    if (t <= stops_.front().first) return stops_.front().second;
    for (std::size_t i = 1; i < stops_.size(); ++i) {
        if (t <= stops_[i].first) {
            const auto& [t0, c0] = stops_[i - 1];
            const auto& [t1, c1] = stops_[i];
            return mix(c0, c1, (t - t0) / (t1 - t0));
        }
    }
    return stops_.back().second;
}

void setSource(cairo_t* cr, const Color& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void addStop(cairo_pattern_t* pattern, double offset, const Color& c) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, c.r, c.g, c.b, c.a);
}

}  // namespace tolvex::art
