#include "Overlays.h"

#include <cmath>

#include "EvenLight.h"
#include "Nebula.h"
#include "Starfield.h"

namespace tolvex::art {

namespace {

constexpr int kSize = 1024;

// How one layer turns the cloud field into colour and opacity.
struct WispStyle {
    const char* file;
    std::uint64_t seed;
    int cells;
    int crowds;  // cells across of the mask where the wisps gather
    double warp;
    double cloudLow, cloudHigh, cloudAlpha;  // soft cloud body
    double filamentAlpha;                     // bright veins
    Color paleA, paleB;                       // colour drift between two pale tones
};

FloatImage renderWisps(const WispStyle& s) {
    const NebulaField field(s.seed, kSize, kSize, s.cells, s.warp, 6, s.crowds);
    FloatImage img(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const NebulaField::Sample cloud = field.sample(px, py);
            const double gather = smoothstep(0.15, 0.8, field.region(px, py));
            const double body =
                gather * std::pow(clamp01((cloud.density - s.cloudLow) / (s.cloudHigh - s.cloudLow)), 1.6);
            const double veins = cloud.filaments * body * s.filamentAlpha;
            const Color c = mix(s.paleA, s.paleB, 0.5 + 0.5 * field.broad(px, py));
            img.blendOver(x, y, c.withAlpha(clamp01(body * s.cloudAlpha + veins)));
        }
    }
    FloatImage haze = img;  // a soft veil around the wisps; wraps so the layer keeps tiling
    boxBlur(haze, 14, 3, true);
    for (std::size_t i = 0; i < img.px.size(); ++i) img.px[i] = 0.7f * img.px[i] + 0.6f * haze.px[i];
    evenOutBrightPatches(img, kSize / 24, 0.9, 0.85);
    evenOutBrightPatches(img, 4, 0.98, 0.7);
    return img;
}

// A thin haze with many fine specks of dust catching the light.
FloatImage renderDust(std::uint64_t seed, int specks, double speckSize, double speckLight, double hazeAlpha) {
    const NebulaField haze(seed, kSize, kSize, 4, 1.5, 5);
    FloatImage img(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const double d = haze.density(x + 0.5, y + 0.5);
            img.blendOver(x, y, Color::hex(0xd8ccc0, smoothstep(0.5, 0.9, d) * hazeAlpha));
        }
    Rng rng(seed * 7 + 5);
    for (int i = 0; i < specks; ++i) {
        const double x = rng.range(0, kSize), y = rng.range(0, kSize);
        const double b = std::pow(rng.uniform(), 3.0);
        const double sigma = speckSize * (0.4 + 1.2 * b);
        const Color tone = mix(Color::hex(0xfff4e8), Color::hex(0xc8d8ff), rng.uniform());
        const double crowd = smoothstep(0.3, 0.8, haze.density(x, y));
        addSplat(img, x, y, sigma, tone, speckLight * (0.2 + 0.8 * b) * (0.35 + crowd));
    }
    return img;
}

}  // namespace

void writeOverlays(const std::string& dir) {
    const WispStyle wisps[] = {
        {"bg1alter.png", 301, 3, 4, 1.0, 0.4, 0.9, 0.45, 0.2, Color::hex(0xdde6ff), Color::hex(0xffffff)},
        {"bg1alter2.png", 302, 5, 5, 1.3, 0.42, 0.85, 0.3, 0.35, Color::hex(0xe8f0ff), Color::hex(0xf8f0ff)},
        {"bg1alter3.png", 303, 2, 4, 1.6, 0.35, 0.9, 0.4, 0.1, Color::hex(0xffffff), Color::hex(0xe4ecff)},
    };
    for (const WispStyle& w : wisps) writePng(dir + "/" + w.file, toImage(renderWisps(w)));
    writePng(dir + "/Dust1.png", toImage(renderDust(401, 9000, 0.55, 0.55, 0.16)));
    writePng(dir + "/Dust2.png", toImage(renderDust(402, 1400, 1.5, 0.5, 0.05)));
}

}  // namespace tolvex::art
