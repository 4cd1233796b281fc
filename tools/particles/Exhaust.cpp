#include <cmath>

#include "ArtKit.h"
#include "ParticleArt.h"

namespace tolvex::art {

namespace {

const Color kWhite = Color::hex(0xffffff);

// A stroke hanging down from (5, 0): a hot narrow core and a soft sheath that both thin out and
// fade towards the far end. White, so the particle gradient gives the colour.
Image exhaustStroke(int height) {
    const double cx = 5.5;
    return toImage(renderField(12, height, 3, [&](double x, double y) {
        const double t = y / height;                      // 0 at the rocket, 1 at the end
        const double fadeIn = smoothstep(0.0, 3.0, y);    // soft top so the chain of strokes blends
        const double width = 1.0 + 1.6 * (1 - t);
        const double d = (x - cx) / width;
        const double core = std::exp(-d * d * 1.6);
        const double sheath = 0.35 * std::exp(-d * d * 0.25);
        const double along = std::pow(1 - t, 1.4) * fadeIn;
        return kWhite.withAlpha(clamp01((core + sheath) * along));
    }));
}

// A wide flickering plasma flame, brightest in its upper middle, centred in the sprite.
Image plasmaFlame() {
    const TileNoise noise(3101);
    return toImage(renderField(25, 50, 3, [&](double x, double y) {
        const double u = (x - 12.5) / 12.5;               // -1..1 across
        const double v = y / 50.0;                        // 0 top .. 1 bottom
        const double width = 0.25 + 0.75 * std::sin(std::min(1.0, v * 1.3) * 3.14159) * (1.1 - v);
        const double turbulence = 0.8 + 0.35 * noise.fbm(x / 6.0, y / 9.0, 64, 64, 3);
        const double across = std::exp(-(u * u) / (width * width * 0.5 + 1e-3));
        const double along = smoothstep(0.0, 0.18, v) * std::pow(1.0 - v, 1.2);
        const double core = std::exp(-u * u * 30) * smoothstep(0.05, 0.3, v) * (1 - v);
        return kWhite.withAlpha(clamp01(across * along * turbulence + core * 0.6));
    }));
}

}  // namespace

void writeExhaust(const std::string& dir) {
    writePng(dir + "/RSchweif1.png", exhaustStroke(102));
    writePng(dir + "/RSchweif0.png", exhaustStroke(51));
    writePng(dir + "/RSchweif3.png", plasmaFlame());
}

}  // namespace tolvex::art
