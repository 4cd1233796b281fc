#include <cmath>

#include "ArtKit.h"
#include "ParticleArt.h"

namespace tolvex::art {

namespace {

// One gradient: colour stops over life; alpha follows its own curve so every ramp ends at 0.
struct GradientDef {
    const char* name;
    ColorRamp colour;
    double fadeExponent;  // > 1 keeps the particle bright longer before it fades
};

Image renderGradient(const GradientDef& def) {
    Image img(256, 1);
    for (int x = 0; x < 256; ++x) {
        const double t = x / 255.0;
        const Color c = def.colour.at(t);
        const double alpha = x == 255 ? 0.0 : std::pow(1.0 - t, 1.0 / def.fadeExponent) * c.a;
        std::uint8_t* p = img.at(x, 0);
        p[0] = static_cast<std::uint8_t>(std::lround(clamp01(c.r) * 255));
        p[1] = static_cast<std::uint8_t>(std::lround(clamp01(c.g) * 255));
        p[2] = static_cast<std::uint8_t>(std::lround(clamp01(c.b) * 255));
        p[3] = static_cast<std::uint8_t>(std::lround(clamp01(alpha) * 255));
    }
    return img;
}

}  // namespace

void writeGradients(const std::string& dir) {
    const Color white = Color::hex(0xffffff);
    const GradientDef defs[] = {
        {"GradientYellow", {{0, white}, {0.08, Color::hex(0xfff6c0)}, {0.25, Color::hex(0xffc640)},
                            {0.5, Color::hex(0xf06a14)}, {0.75, Color::hex(0x9a2208)}, {1, Color::hex(0x2a0804)}}, 1.6},
        {"GradientGreen", {{0, white}, {0.1, Color::hex(0xe0ffd0)}, {0.3, Color::hex(0x70ff50)},
                           {0.65, Color::hex(0x18b020)}, {1, Color::hex(0x04300a)}}, 1.5},
        {"GradientBlue", {{0, white}, {0.1, Color::hex(0xd8f4ff)}, {0.3, Color::hex(0x50b8ff)},
                          {0.65, Color::hex(0x1848e0)}, {1, Color::hex(0x060c40)}}, 1.5},
        {"GradientRed", {{0, white}, {0.1, Color::hex(0xffe0d0)}, {0.3, Color::hex(0xff5a30)},
                         {0.65, Color::hex(0xc01010)}, {1, Color::hex(0x300404)}}, 1.5},
        {"GradientViolett", {{0, white}, {0.1, Color::hex(0xf4e0ff)}, {0.3, Color::hex(0xc060ff)},
                             {0.65, Color::hex(0x6a18c8)}, {1, Color::hex(0x1a0640)}}, 1.5},
        {"GradientPlasma", {{0, white}, {0.1, Color::hex(0xd8fcff)}, {0.3, Color::hex(0x40e0ff)},
                            {0.6, Color::hex(0x3a60ff)}, {0.85, Color::hex(0x5a20c0)}, {1, Color::hex(0x100830)}}, 1.4},
        {"GradientPlasma2", {{0, white}, {0.12, Color::hex(0xffe0ff)}, {0.35, Color::hex(0xff60e0)},
                             {0.7, Color::hex(0x9020d0)}, {1, Color::hex(0x200838)}}, 1.2},
    };
    for (const GradientDef& def : defs) writePng(dir + "/" + def.name + ".png", renderGradient(def));
}

}  // namespace tolvex::art
