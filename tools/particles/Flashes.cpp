#include <cmath>

#include "ArtKit.h"
#include "ParticleArt.h"

namespace tolvex::art {

namespace {

const Color kWhite = Color::hex(0xffffff);

// A hot round core with a few soft rays of uneven length; falls to nothing at the sprite edge.
Image rayedFlash() {
    return toImage(renderField(32, 32, 4, [](double x, double y) {
        const double dx = x - 16, dy = y - 16;
        const double r = std::hypot(dx, dy) / 16.0;
        const double a = std::atan2(dy, dx);
        const double core = std::exp(-r * r * 18);
        const double halo = 0.45 * std::exp(-r * r * 4.5);
        const double rayShape = std::pow(std::fabs(std::cos(3 * a + 0.3)), 12) * (0.7 + 0.3 * std::cos(5 * a));
        const double rays = 0.55 * rayShape * std::exp(-r * 3.2);
        const double edge = 1 - smoothstep(0.8, 1.0, r);
        return kWhite.withAlpha(clamp01((core + halo + rays) * edge));
    }));
}

// A smaller core inside a bright thin shock ring.
Image ringFlash() {
    return toImage(renderField(32, 32, 4, [](double x, double y) {
        const double r = std::hypot(x - 16, y - 16) / 16.0;
        const double a = std::atan2(y - 16, x - 16);
        const double core = std::exp(-r * r * 30);
        const double ring = 0.7 * std::exp(-std::pow((r - 0.6) / 0.08, 2)) * (0.85 + 0.15 * std::cos(3 * a));
        const double fill = 0.22 * std::exp(-r * r * 3) * (1 - smoothstep(0.5, 0.75, r));
        const double sparks = 0.35 * std::pow(std::fabs(std::cos(3 * a + 0.4)), 30) * std::exp(-std::pow((r - 0.78) / 0.1, 2));
        const double edge = 1 - smoothstep(0.88, 1.0, r);
        return kWhite.withAlpha(clamp01((core + ring + fill + sparks) * edge));
    }));
}

}  // namespace

void writeFlashes(const std::string& dir) {
    writePng(dir + "/lexplo1.png", rayedFlash());
    writePng(dir + "/lexplo2.png", ringFlash());
}

}  // namespace tolvex::art
