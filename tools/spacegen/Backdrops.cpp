#include "Backdrops.h"

#include <cmath>
#include <vector>

#include "EvenLight.h"
#include "Nebula.h"
#include "Starfield.h"

namespace tolvex::art {

namespace {

// Everything that gives one backdrop its mood.
struct Mood {
    const char* file;
    int width, height;
    std::uint64_t seed;
    int cells;               // nebula lattice cells across the width: fewer = bigger clouds
    int crowds;              // cells across of the mask where clouds gather: more = more, smaller crowds
    double warp;             // domain warp strength: more = swirlier
    Color deep;              // the empty sky
    Color accent;            // a second hue drifting through the thinner clouds
    ColorRamp nebula;        // cloud colour by density
    double nebulaStrength;
    double filamentStrength;
    double laneStrength;     // dark dust lanes
    StarfieldStyle stars;
};

// Light of the clouds at one pixel, before the soft glow, stars and dust lanes; `gather` is the
// cloud region mask at that pixel.
Color cloudLight(const Mood& m, const NebulaField& clouds, double x, double y, double gather) {
    const NebulaField::Sample s = clouds.sample(x, y);
    const double broad = clouds.broad(x, y);
    const double cloud = gather * std::pow(clamp01((s.density - 0.22) / 0.55), 1.6);
    const Color neb = mix(m.nebula.at(clamp01(0.35 + 0.6 * cloud + 0.12 * broad)), m.accent,
                          0.45 * smoothstep(-0.2, 0.6, broad) * (1 - cloud));
    const double fil = s.filaments * cloud * m.filamentStrength;
    const Color hot = m.nebula.at(0.95);
    const double k = cloud * m.nebulaStrength;
    return {neb.r * k + hot.r * fil, neb.g * k + hot.g * fil, neb.b * k + hot.b * fil, 1.0};
}

Image renderBackdrop(const Mood& m) {
    const NebulaField clouds(m.seed, m.width, m.height, m.cells, m.warp, 6, m.crowds);
    const NebulaField dust(m.seed + 101, m.width, m.height, m.cells * 2, m.warp * 0.8, 4);
    FloatImage light(m.width, m.height);
    std::vector<float> gather(static_cast<std::size_t>(m.width) * m.height);
    for (int y = 0; y < m.height; ++y) {
        for (int x = 0; x < m.width; ++x) {
            const double region = clouds.region(x + 0.5, y + 0.5);
            const Color c = cloudLight(m, clouds, x + 0.5, y + 0.5, smoothstep(0.1, 0.8, region));
            float* p = light.at(x, y);
            p[0] = static_cast<float>(c.r);
            p[1] = static_cast<float>(c.g);
            p[2] = static_cast<float>(c.b);
            gather[static_cast<std::size_t>(y) * m.width + x] = static_cast<float>(region);
        }
    }
    evenOutBrightPatches(light, m.width / 24, 0.9, 0.85);
    evenOutBrightPatches(light, 4, 0.98, 0.7);
    FloatImage haze = light;  // light scattered around the clouds: a wide soft glow that wraps
    boxBlur(haze, m.width / 40, 3, true);
    FloatImage sky(m.width, m.height);
    for (int y = 0; y < m.height; ++y) {
        for (int x = 0; x < m.width; ++x) {
            const double base = 0.8 + 0.2 * clouds.broad(x + 0.5, y + 0.5);
            float* p = sky.at(x, y);
            const float* l = light.at(x, y);
            const float* h = haze.at(x, y);
            p[0] = static_cast<float>(m.deep.r * base) + l[0] + 0.9f * h[0];
            p[1] = static_cast<float>(m.deep.g * base) + l[1] + 0.9f * h[1];
            p[2] = static_cast<float>(m.deep.b * base) + l[2] + 0.9f * h[2];
            p[3] = 1.f;
        }
    }
    addStars(sky, m.seed * 3 + 1, m.stars, [&](double x, double y) {
        return 0.5 + 0.7 * smoothstep(0.3, 0.8, gather[static_cast<std::size_t>(y) * m.width + static_cast<int>(x)]);
    });
    Rng dither(m.seed * 5 + 3);
    for (int y = 0; y < m.height; ++y) {
        for (int x = 0; x < m.width; ++x) {
            const double lane = smoothstep(0.55, 0.8, dust.density(x + 0.5, y + 0.5)) * m.laneStrength;
            float* p = sky.at(x, y);
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<float>(p[c] * (1 - lane) + (dither.uniform() - 0.5) / 255.0);
            p[3] = 1.f;
        }
    }
    return toImage(sky);
}

}  // namespace

void writeBackdrops(const std::string& dir) {
    const Mood moods[] = {
        // Cold blue: steel-blue clouds with cyan hearts.
        {"BG.jpg", 800, 600, 29, 5, 5, 1.0, Color::hex(0x02040c), Color::hex(0x5a2a9a),
         {{0, Color::hex(0x000000)}, {0.4, Color::hex(0x0a1a44)}, {0.65, Color::hex(0x1d4a9a)},
          {0.85, Color::hex(0x3fa0e0)}, {1, Color::hex(0xb8f0ff)}},
         1.0, 0.2, 0.5, {14000, 9, 1.0, Color::hex(0xa8c8ff), Color::hex(0xfff0d8)}},
        // Violet: magenta and purple veils.
        {"BG2.png", 1024, 768, 23, 5, 6, 1.2, Color::hex(0x05020c), Color::hex(0x2a3aa8),
         {{0, Color::hex(0x000000)}, {0.4, Color::hex(0x260a40)}, {0.65, Color::hex(0x6a1c8c)},
          {0.85, Color::hex(0xc048c0)}, {1, Color::hex(0xffc0f0)}},
         1.0, 0.18, 0.45, {13000, 11, 1.0, Color::hex(0xd0b8ff), Color::hex(0xffd0e8)}},
        // Red dust: rust and ember clouds, heavy dark lanes.
        {"BG3.jpg", 900, 800, 37, 5, 5, 1.3, Color::hex(0x080303), Color::hex(0x8a5a20),
         {{0, Color::hex(0x000000)}, {0.4, Color::hex(0x2e0a06)}, {0.65, Color::hex(0x7a2010)},
          {0.85, Color::hex(0xd0602a)}, {1, Color::hex(0xffd8a0)}},
         1.05, 0.15, 0.6, {11000, 8, 0.95, Color::hex(0xffe0c8), Color::hex(0xffb080)}},
        // Green-teal: sea-green clouds with pale aqua filaments.
        {"BG4.jpg", 1112, 822, 41, 6, 6, 1.1, Color::hex(0x020807), Color::hex(0x2a5aa0),
         {{0, Color::hex(0x000000)}, {0.4, Color::hex(0x06282a)}, {0.65, Color::hex(0x0e6a5c)},
          {0.85, Color::hex(0x38c0a0)}, {1, Color::hex(0xd0fff0)}},
         1.0, 0.2, 0.5, {14000, 12, 1.0, Color::hex(0xb8fff0), Color::hex(0xfff4c8)}},
        // Amber: golden dust with brown shadows.
        {"BG5.jpg", 1200, 964, 53, 6, 6, 1.2, Color::hex(0x070502), Color::hex(0xa04a20),
         {{0, Color::hex(0x000000)}, {0.4, Color::hex(0x2c1806)}, {0.65, Color::hex(0x7a4a10)},
          {0.85, Color::hex(0xe0a030)}, {1, Color::hex(0xfff0c0)}},
         1.0, 0.18, 0.5, {13000, 12, 1.0, Color::hex(0xfff0d0), Color::hex(0xffc888)}},
    };
    for (const Mood& m : moods) {
        const Image img = renderBackdrop(m);
        const std::string path = dir + "/" + m.file;
        if (std::string(m.file).ends_with(".jpg")) writeJpeg(path, img, 92);
        else writePng(path, img);
    }
}

}  // namespace tolvex::art
