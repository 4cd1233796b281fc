#include <cmath>
#include <vector>

#include "ArtKit.h"
#include "ParticleArt.h"

namespace tolvex::art {

namespace {

// One rounded lump of the puff.
struct Lump {
    double x, y, radius, weight;
};

std::vector<Lump> makeLumps() {
    Rng rng(7717);
    std::vector<Lump> lumps{{32, 32, 15, 1.0}};
    for (int i = 0; i < 8; ++i) {
        const double a = rng.range(0, 6.2832), d = rng.range(5, 13);
        lumps.push_back({32 + std::cos(a) * d, 32 + std::sin(a) * d, rng.range(7, 11), rng.range(0.6, 0.9)});
    }
    return lumps;
}

}  // namespace

// A billowing puff: a few overlapping lumps with curly fractal detail, lit from the upper left,
// fading to nothing well inside the sprite.
void writeSmoke(const std::string& dir) {
    const TileNoise noise(7717);
    const std::vector<Lump> lumps = makeLumps();
    const FloatImage puff = renderField(64, 64, 2, [&](double x, double y) {
        double body = 0, lit = 0;
        for (const Lump& l : lumps) {
            const double dx = (x - l.x) / l.radius, dy = (y - l.y) / l.radius;
            const double g = std::exp(-(dx * dx + dy * dy) * 1.4) * l.weight;
            body += g;
            lit += g * clamp01(0.5 - 0.35 * (dx + dy));  // each lump brighter towards the light
        }
        const double detail = 0.5 + 0.5 * noise.fbm(x / 7, y / 7, 10, 10, 5, 0.6);
        const double curls = noise.ridged(x / 12 + 3, y / 12 + 7, 8, 8, 3);
        const double r = std::hypot(x - 32, y - 32) / 32;
        const double edge = 1 - smoothstep(0.6, 0.97, r);
        const double a = clamp01(body * std::pow(detail, 1.5) * 0.9) * edge;
        const double shade = clamp01(0.55 + 0.35 * lit / (body + 1e-6) + 0.2 * curls - 0.1);
        return Color{shade, shade, shade, a};
    });
    writePng(dir + "/sprite_smoke1.png", toImage(puff));
}

}  // namespace tolvex::art
