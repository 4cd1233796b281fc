#include <cmath>
#include <vector>

#include "ArtKit.h"
#include "ParticleArt.h"

namespace tolvex::art {

namespace {

// One spark: a short streak from the centre outwards, hottest at its head.
struct Streak {
    double angle, from, to, width;
};

// Distance from (px, py) to the segment a-b, and how far along it (0..1) the nearest point lies.
double segmentDistance(double px, double py, double ax, double ay, double bx, double by, double& along) {
    const double dx = bx - ax, dy = by - ay;
    along = clamp01(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy));
    return std::hypot(px - (ax + dx * along), py - (ay + dy * along));
}

}  // namespace

void writeSparks(const std::string& dir) {
    Rng rng(991);
    std::vector<Streak> streaks;
    for (int i = 0; i < 6; ++i)
        streaks.push_back({i * 6.2832 / 6 + rng.range(-0.35, 0.35), rng.range(1.0, 1.8), rng.range(3.4, 4.4),
                           rng.range(0.3, 0.42)});
    const double cx = 6, cy = 6.5;
    const FloatImage sparks = renderField(12, 13, 4, [&](double x, double y) {
        double light = 0.9 * std::exp(-((x - cx) * (x - cx) + (y - cy) * (y - cy)) / 1.2);
        for (const Streak& s : streaks) {
            double along = 0;
            const double d = segmentDistance(x, y, cx + std::cos(s.angle) * s.from, cy + std::sin(s.angle) * s.from,
                                             cx + std::cos(s.angle) * s.to, cy + std::sin(s.angle) * s.to, along);
            light += std::exp(-d * d / (2 * s.width * s.width)) * (0.35 + 0.65 * along);
        }
        return Color::hex(0xffffff, clamp01(light));
    });
    writePng(dir + "/funken1.png", toImage(sparks));
}

}  // namespace tolvex::art
