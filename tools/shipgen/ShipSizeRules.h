// How big a ship sprite may be: its class (the ID prefix) gives a range for the longer side, and
// every gun mount needs a margin of hull around it. Shared by the generator and the asset checks.
#pragma once

#include <algorithm>
#include <cmath>
#include <string_view>

#include "content/ShipTableRows.h"

namespace tolvex::shipart {

// Allowed range of the longer side of a sprite, in pixels.
struct SizeRange {
    int min;
    int max;
};

// The class range for a ship ID: drones, fighters, heavy fighters, cruisers, capital ships, motherships.
// The player's own ships (pj_, bj_) are sized like heavy fighters.
constexpr SizeRange classSizeRange(std::string_view id) {
    if (id.starts_with("d_")) return {28, 50};
    if (id.starts_with("j_")) return {36, 64};
    if (id.starts_with("js_") || id.starts_with("f_") || id.starts_with("pj_") || id.starts_with("bj_"))
        return {56, 96};
    if (id.starts_with("t_") || id.starts_with("kr_")) return {70, 130};
    if (id.starts_with("ko_")) return {180, 340};
    if (id.starts_with("ms_")) return {330, 520};
    return {1, 1024};
}

// Smallest half-width and half-height that leave room around every mount (12 px across, 15 along).
struct HalfExtent {
    double halfWidth;
    double halfHeight;
};

// The mount margin of a ship type.
inline HalfExtent mountMargin(const ShipTypeRow& type) {
    HalfExtent h{12, 15};
    for (const ShipMountRow& m : type.mounts()) {
        h.halfWidth = std::max(h.halfWidth, std::abs(double{m.x}) + 12);
        h.halfHeight = std::max(h.halfHeight, std::abs(double{m.y}) + 15);
    }
    return h;
}

// The range for the longer side once the mount margin is honoured: where the mounts need more room
// than the class allows (a few ships carry guns far out), the margin wins.
inline SizeRange allowedLongSide(const ShipTypeRow& type) {
    SizeRange r = classSizeRange(type.id);
    const HalfExtent h = mountMargin(type);
    const int needed = static_cast<int>(std::ceil(2 * std::max(h.halfWidth, h.halfHeight)));
    r.max = std::max(r.max, needed);
    return r;
}

}  // namespace tolvex::shipart
