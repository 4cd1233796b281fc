// The ship sprites: every ship type has its image, every gun mount sits on solid hull, and every
// sprite is sized for its class with room around its mounts.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <string>

#include "AssetFiles.h"
#include "ShipSizeRules.h"
#include "content/ShipTableRows.h"

namespace tolvex::test {
namespace {


// The pixel a mount lands on: (centre - x, centre + y), the handle being the image centre.
std::pair<int, int> mountPixel(const art::Image& img, const ShipMountRow& m) {
    return {static_cast<int>(std::floor(img.width / 2.0 - m.x)), static_cast<int>(std::floor(img.height / 2.0 + m.y))};
}

TEST(ShipImages, EveryShipTypeHasItsImage) {
    for (const auto& type : kShipTable)
        EXPECT_TRUE(std::filesystem::exists(gfxPath(std::string(type.image)))) << type.id << " " << type.image;
}

TEST(ShipImages, FiftyTwoTypesShareFiftyOneImages) {
    std::set<std::string_view> images;
    for (const auto& type : kShipTable) images.insert(type.image);
    EXPECT_EQ(kShipTable.size(), 52u);
    EXPECT_EQ(images.size(), 51u);
}

TEST(ShipImages, EveryGunMountSitsOnSolidHull) {
    for (const auto& type : kShipTable) {
        const art::Image img = loadGfx(std::string(type.image));
        for (const auto& m : type.mounts()) {
            const auto [x, y] = mountPixel(img, m);
            ASSERT_TRUE(x >= 0 && y >= 0 && x < img.width && y < img.height) << type.id;
            // The turret rotates about the mount, so the hull must be solid on every side of it.
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    EXPECT_GE(alphaAt(img, x + dx, y + dy), 128)
                        << type.id << " mount (" << m.x << ", " << m.y << ") pixel " << x + dx << "," << y + dy;
            EXPECT_EQ(alphaAt(img, x, y), 255) << type.id << " mount (" << m.x << ", " << m.y << ")";
        }
    }
}

TEST(ShipImages, SpritesLeaveRoomAroundEveryMount) {
    for (const auto& type : kShipTable) {
        const art::Image img = loadGfx(std::string(type.image));
        const auto margin = shipart::mountMargin(type);
        EXPECT_GE(img.width / 2.0, margin.halfWidth) << type.id;
        EXPECT_GE(img.height / 2.0, margin.halfHeight) << type.id;
    }
}

TEST(ShipImages, SpritesAreSizedForTheirClass) {
    for (const auto& type : kShipTable) {
        const art::Image img = loadGfx(std::string(type.image));
        const auto range = shipart::allowedLongSide(type);
        const int longSide = std::max(img.width, img.height);
        EXPECT_GE(longSide, range.min) << type.id;
        EXPECT_LE(longSide, range.max) << type.id;
    }
}

TEST(ShipImages, CapitalShipsDwarfFighters) {
    const art::Image fighter = loadGfx("modernx.png");
    for (const char* capital : {"Mothership.png", "Coloss.png", "Kail.png", "Praecox.png"}) {
        const art::Image img = loadGfx(capital);
        EXPECT_GT(img.width * img.height, 8 * fighter.width * fighter.height) << capital;
    }
}

TEST(ShipImages, NoHullIsCutOffAtTheSpriteEdge) {
    // The outermost frame of every sprite is space, exhaust glow or a soft edge; a solid pixel
    // there would mean the sprite is too small for its hull.
    for (const auto& type : kShipTable) {
        const art::Image img = loadGfx(std::string(type.image));
        int solid = 0;
        for (int x = 0; x < img.width; ++x)
            solid += (alphaAt(img, x, 0) >= 128) + (alphaAt(img, x, img.height - 1) >= 128);
        for (int y = 0; y < img.height; ++y)
            solid += (alphaAt(img, 0, y) >= 128) + (alphaAt(img, img.width - 1, y) >= 128);
        EXPECT_LE(solid, 4) << type.image;
    }
}

TEST(ShipImages, MountMarginRuleMatchesTheClassTable) {
    // Worked example: the Hornet's tail gun at y = 55 needs a half-height of 70, more than a cruiser
    // normally gets, so its cap grows to 140; a drone with a centred gun keeps its class range.
    const auto& hornet = kShipTable[13];
    ASSERT_EQ(hornet.id, "kr_Hornet");
    EXPECT_DOUBLE_EQ(shipart::mountMargin(hornet).halfHeight, 70);
    EXPECT_EQ(shipart::allowedLongSide(hornet).max, 140);
    const auto& drone = kShipTable[14];
    ASSERT_EQ(drone.id, "d_dronea1");
    EXPECT_EQ(shipart::allowedLongSide(drone).min, 28);
    EXPECT_EQ(shipart::allowedLongSide(drone).max, 50);
}

}  // namespace
}  // namespace tolvex::test
