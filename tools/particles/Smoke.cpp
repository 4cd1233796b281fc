#include <cmath>

#include "ArtKit.h"
#include "ParticleArt.h"

namespace tolvex::art {

void writeSmoke(const std::string& dir) {
    const TileNoise noise(7717);
    const FloatImage puff = renderField(64, 64, 2, [&](double x, double y) {
        const double dx = (x - 32) / 32, dy = (y - 32) / 32;
        const double warp = 0.25 * noise.fbm(x / 16 + 11, y / 16 + 5, 16, 16, 3);
        const double r = std::hypot(dx, dy) + warp * 0.35;
        const double density = 0.5 + 0.5 * noise.fbm(x / 14, y / 14, 16, 16, 5);
        const double falloff = std::pow(clamp01(1 - r), 1.6);
        const double a = clamp01(falloff * (0.35 + 0.9 * density) * 1.15);
        const double shade = 0.65 + 0.35 * density;  // denser curls are lighter
        return Color{shade, shade, shade, a};
    });
    writePng(dir + "/sprite_smoke1.png", toImage(puff));
}

}  // namespace tolvex::art
