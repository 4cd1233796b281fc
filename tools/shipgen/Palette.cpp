#include "Palette.h"

#include <stdexcept>
#include <string>

namespace tolvex::shipart {

using art::Color;

namespace {

// Shorthand for a palette from hex colours in field order.
Palette make(std::uint32_t hull, std::uint32_t second, std::uint32_t dark, std::uint32_t trim,
             std::uint32_t accent, std::uint32_t glass, std::uint32_t engine, std::uint32_t lights) {
    return {Color::hex(hull), Color::hex(second), Color::hex(dark), Color::hex(trim),
            Color::hex(accent), Color::hex(glass), Color::hex(engine), Color::hex(lights)};
}

}  // namespace

Palette factionPalette(const char* faction) {
    const std::string f = faction;
    if (f == "Player") return make(0x7f9bb8, 0x5a7590, 0x2a3441, 0x3ee8ff, 0xd8e6f2, 0x38d8ff, 0x46e0ff, 0x5ff4ff);
    if (f == "NASA") return make(0xe9edf1, 0xb9c0c8, 0x454c55, 0x2a62d8, 0xd23a3a, 0x2f6fb0, 0x7fc4ff, 0x9fd4ff);
    if (f == "Alien") return make(0x7a4aa8, 0x4b2f7a, 0x24163a, 0x62e88a, 0xb8ff6a, 0x47ff9a, 0x6dff8c, 0x8dff6a);
    if (f == "Police") return make(0x2553b8, 0xe8eef5, 0x1b2433, 0xf2f6fa, 0xff3b3b, 0x5fc8ff, 0x7ab8ff, 0x4aa8ff);
    if (f == "Insects") return make(0xf0c020, 0x2a2620, 0x15130f, 0x16140f, 0xff8a1a, 0xd43a1a, 0xffb23a, 0xffd24a);
    if (f == "Dronen") return make(0x9aa2ab, 0x6c747e, 0x2e3238, 0xc6ccd2, 0xff5a2a, 0xff4a2a, 0xff7a3a, 0xff6a3a);
    if (f == "BringIt Coop") return make(0xe8801e, 0x8d949b, 0x34383d, 0xffd23a, 0x2c2c2c, 0x4ab0c8, 0xffb04a, 0xffd080);
    if (f == "Red Army") return make(0xc22626, 0x6b6f74, 0x2a2b2e, 0x1d1d20, 0xffd23c, 0xff9f2a, 0xff8a3a, 0xffb03a);
    if (f == "Elite") return make(0x23232a, 0x3a3640, 0x101014, 0xe6b43c, 0xfff0b0, 0xffcc55, 0xffc860, 0xffd870);
    if (f == "Pirat") return make(0x8a5a3a, 0x6f6a5e, 0x2e2722, 0xb84a22, 0xd9c9a0, 0x9fd0b0, 0xff8a3a, 0xffaa44);
    if (f == "Freelancer") return make(0x2f9c9a, 0x8c949a, 0x273236, 0xf0a030, 0xe8eef0, 0x7fe8ff, 0x5ff0e0, 0xffc060);
    if (f == "Moonlancer") return make(0xc4d2e4, 0x7f96b8, 0x2b3546, 0x4a7cd8, 0xe8f0ff, 0x9ad0ff, 0x9ad8ff, 0xbfe4ff);
    if (f == "Froots") return make(0x5fae3a, 0x2f6a2a, 0x1e3318, 0xc8e86a, 0x7a4a24, 0xd6f07a, 0xc8ff6a, 0xe4ff8a);
    throw std::runtime_error("no palette for faction " + f);
}

Palette premiumPalette(const Palette& base) {
    Palette p = base;
    p.hull = art::mix(Color::hex(0x2a2436), base.hull, 0.22);
    p.second = art::mix(Color::hex(0x3a2a58), base.second, 0.18);
    p.dark = Color::hex(0x120e1a);
    p.trim = Color::hex(0xf2c34a);
    p.accent = Color::hex(0xb45cff);
    p.glass = Color::hex(0xc07aff);
    p.engine = Color::hex(0xc68aff);
    p.lights = Color::hex(0xd49aff);
    return p;
}

}  // namespace tolvex::shipart
