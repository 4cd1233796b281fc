#include "Starfield.h"

#include <cmath>

namespace tolvex::art {

namespace {

int wrapIndex(int i, int n) { return ((i % n) + n) % n; }

// A thin glowing cross through a bright star, fading along its arms.
void addCross(FloatImage& sky, double x, double y, double length, const Color& c, double intensity) {
    const int n = static_cast<int>(length);
    for (int i = -n; i <= n; ++i) {
        const double fall = std::pow(1.0 - std::fabs(i) / (length + 1), 3.0) * intensity;
        for (int w = -1; w <= 1; ++w) {
            const double across = w == 0 ? 1.0 : 0.18;
            const Color l = c.withAlpha(clamp01(fall * across));
            sky.addLight(wrapIndex(static_cast<int>(std::floor(x)) + i, sky.width),
                         wrapIndex(static_cast<int>(std::floor(y)) + w, sky.height), l);
            sky.addLight(wrapIndex(static_cast<int>(std::floor(x)) + w, sky.width),
                         wrapIndex(static_cast<int>(std::floor(y)) + i, sky.height), l);
        }
    }
}

Color starColour(Rng& rng, const StarfieldStyle& style) {
    const double t = rng.uniform();
    if (t < 0.55) return mix(Color::hex(0xffffff), style.coolTint, rng.uniform());
    if (t < 0.85) return Color::hex(0xffffff);
    return mix(Color::hex(0xffffff), style.warmTint, rng.uniform());
}

}  // namespace

void addSplat(FloatImage& sky, double x, double y, double sigma, const Color& c, double intensity) {
    const int reach = static_cast<int>(std::ceil(sigma * 3.5));
    const int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const double px = cx + dx + 0.5 - x, py = cy + dy + 0.5 - y;
            const double g = std::exp(-(px * px + py * py) / (2 * sigma * sigma)) * intensity;
            if (g < 1e-4) continue;
            sky.addLight(wrapIndex(cx + dx, sky.width), wrapIndex(cy + dy, sky.height), c.withAlpha(g));
        }
    }
}

void addStars(FloatImage& sky, std::uint64_t seed, const StarfieldStyle& style,
              const std::function<double(double, double)>& densityAt) {
    Rng rng(seed);
    const double megapixels = sky.width * static_cast<double>(sky.height) / 1e6;
    const int faint = static_cast<int>(style.starsPerMegapixel * megapixels);
    for (int i = 0; i < faint; ++i) {
        const double x = rng.range(0, sky.width), y = rng.range(0, sky.height);
        const double keep = rng.uniform();
        const double b = std::pow(rng.uniform(), 18.0);  // most stars faint, a few bright
        const Color c = starColour(rng, style);
        if (keep > densityAt(x, y)) continue;
        const double intensity = (0.05 + 1.5 * b) * style.brightness;
        addSplat(sky, x, y, 0.45 + 0.5 * b, c, intensity);
    }
    for (int i = 0; i < style.brightStars; ++i) {
        const double x = rng.range(0, sky.width), y = rng.range(0, sky.height);
        const double size = rng.range(0.6, 1.0);
        const Color c = starColour(rng, style);
        addSplat(sky, x, y, 0.9 * size, Color::hex(0xffffff), 2.2 * style.brightness);
        addSplat(sky, x, y, 3.5 * size, c, 0.12 * style.brightness);
        addSplat(sky, x, y, 10 * size, c, 0.02 * style.brightness);
        addCross(sky, x, y, 9 + 16 * size, c, 0.35 * style.brightness);
    }
}

}  // namespace tolvex::art
