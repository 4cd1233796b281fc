#include "HullPath.h"

#include <cmath>
#include <numbers>

namespace tolvex::shipart {

namespace {

// Catmull-Rom tangent handle at point i of a closed loop (zero at a sharp point).
Pt handle(const std::vector<Pt>& loop, std::size_t i) {
    const std::size_t n = loop.size();
    if (loop[i].sharp) return {0, 0};
    const Pt& prev = loop[(i + n - 1) % n];
    const Pt& next = loop[(i + 1) % n];
    return {(next.x - prev.x) / 6.0, (next.y - prev.y) / 6.0};
}

void traceEllipse(cairo_t* cr, double x, double y, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void traceBox(cairo_t* cr, double x, double y, double hw, double hh, double cut) {
    std::vector<Pt> box{{x - hw + cut, y - hh, true}, {x + hw - cut, y - hh, true}, {x + hw, y - hh + cut, true},
                        {x + hw, y + hh - cut, true}, {x + hw - cut, y + hh, true}, {x - hw + cut, y + hh, true},
                        {x - hw, y + hh - cut, true}, {x - hw, y - hh + cut, true}};
    traceLoop(cr, box);
}

}  // namespace

std::vector<Pt> mirrored(const std::vector<Pt>& points) {
    std::vector<Pt> out;
    out.reserve(points.size());
    for (const Pt& p : points) out.push_back({-p.x, p.y, p.sharp});
    return out;
}

std::vector<Pt> mirroredLoop(const std::vector<Pt>& half) {
    std::vector<Pt> loop = half;
    for (std::size_t i = half.size(); i-- > 0;) {
        const Pt& p = half[i];
        const bool onAxisEnd = (i == 0 || i + 1 == half.size()) && std::abs(p.x) < 1e-9;
        if (!onAxisEnd) loop.push_back({-p.x, p.y, p.sharp});
    }
    return loop;
}

void traceLoop(cairo_t* cr, const std::vector<Pt>& loop) {
    const std::size_t n = loop.size();
    if (n < 3) return;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, loop[0].x, loop[0].y);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        const Pt a = handle(loop, i);
        const Pt b = handle(loop, j);
        cairo_curve_to(cr, loop[i].x + a.x, loop[i].y + a.y, loop[j].x - b.x, loop[j].y - b.y, loop[j].x, loop[j].y);
    }
    cairo_close_path(cr);
}

std::vector<Pt> crescentPoints(double cx, double cy, double radius, double thickness, double halfSpanDeg,
                               bool flip) {
    const double dy = flip ? -1.0 : 1.0;  // direction from the centre to the crescent's middle
    const double s = halfSpanDeg * std::numbers::pi / 180.0;
    // The inner arc's centre lies on the axis at offset k so both arcs meet at the horn tips.
    const double inner = radius - thickness;
    const double k = (inner * inner - radius * radius) / (2.0 * (inner - radius * std::cos(s)));
    const double innerRadius = std::sqrt(radius * radius - 2 * k * radius * std::cos(s) + k * k);
    const double tipAngle = std::atan2(radius * std::sin(s), radius * std::cos(s) - k);
    auto at = [&](double ox, double oy, double r, double angle) {
        // angle measured from the middle direction (0, dy), positive towards +x
        return Pt{ox + r * std::sin(angle), oy + dy * r * std::cos(angle), true};
    };
    const int steps = 40;
    std::vector<Pt> pts;
    for (int i = 0; i <= steps; ++i) pts.push_back(at(cx, cy, radius, -s + 2 * s * i / steps));
    for (int i = 1; i < steps; ++i) pts.push_back(at(cx, cy + dy * k, innerRadius, tipAngle - 2 * tipAngle * i / steps));
    return pts;
}

void tracePart(cairo_t* cr, const Part& part) {
    switch (part.kind) {
        case ShapeKind::Hull:
            traceLoop(cr, mirroredLoop(part.points));
            break;
        case ShapeKind::Wing:
            traceLoop(cr, part.points);
            traceLoop(cr, mirrored(part.points));
            break;
        case ShapeKind::Free:
            traceLoop(cr, part.points);
            break;
        case ShapeKind::Ellipse:
            traceEllipse(cr, part.x, part.y, part.w, part.h);
            if (part.x != 0) traceEllipse(cr, -part.x, part.y, part.w, part.h);
            break;
        case ShapeKind::Box:
            traceBox(cr, part.x, part.y, part.w, part.h, part.r);
            if (part.x != 0) traceBox(cr, -part.x, part.y, part.w, part.h, part.r);
            break;
        case ShapeKind::Crescent:
            traceLoop(cr, crescentPoints(part.x, part.y, part.w, part.h, part.r, part.flipCrescent));
            break;
    }
}

}  // namespace tolvex::shipart
