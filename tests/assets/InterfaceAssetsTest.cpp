// Logos, menu, HUD and pointer images.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "AssetFiles.h"

namespace tolvex::test {
namespace {

struct Sized {
    std::string name;
    int width, height;
};

TEST(InterfaceImages, HaveTheSizesTheGameReliesOn) {
    const Sized fixed[] = {{"OptionBG.png", 400, 300},       {"menue_kugel.png", 210, 210},
                           {"menue_start.png", 196, 82},     {"menue_highscore.png", 210, 76},
                           {"menue_quit.png", 201, 89},      {"menue_onlineupdate.png", 210, 76},
                           {"menue_main.png", 201, 89},      {"MouseMenue.png", 25, 25},
                           {"HUD_Speed.png", 194, 158},      {"HUD_HP.png", 194, 158}};
    for (const Sized& s : fixed) expectSize(s.name, s.width, s.height);
}

TEST(InterfaceImages, AllOthersExistAtAUsableSize) {
    for (const char* name : {"Logo.png", "Logo2a.png", "Logo2b.png", "HUD_Rocket.png", "HUD_RocketSelected.png",
                             "Radarimage.png", "AimPointer.png", "BuddyArrow.png", "AimCrossArrow.png",
                             "AutoAimArrow.png", "AutoAimArrow2.png", "rocketalarmsign.png", "Mouse.png",
                             "Mouse2.png", "shine.png"}) {
        const art::Image img = loadGfx(name);
        EXPECT_GE(img.width, 8) << name;
        EXPECT_LE(img.width, 800) << name;
        EXPECT_GE(img.height, 8) << name;
    }
}

TEST(InterfaceImages, CornerLogoGlowMatchesItsBase) {
    const art::Image a = loadGfx("Logo2a.png"), b = loadGfx("Logo2b.png");
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
}

TEST(InterfaceImages, RadarDiscReachesNinetyFivePixels) {
    const art::Image r = loadGfx("Radarimage.png");
    const int cx = r.width / 2, cy = r.height / 2;
    EXPECT_GT(alphaAt(r, cx + 94, cy), 100);
    EXPECT_LT(alphaAt(r, cx + 99, cy), 100);
    EXPECT_EQ(alphaAt(r, 0, 0), 0);
}

// Sum of alpha over one 97-px frame of a gauge strip.
long frameInk(const art::Image& strip, int frame) {
    long sum = 0;
    for (int y = 0; y < strip.height; ++y)
        for (int x = 0; x < 97; ++x) sum += alphaAt(strip, frame * 97 + x, y);
    return sum;
}

TEST(Gauges, SpeedLightsFrameOneAndHitPointsLightFrameZero) {
    const art::Image speed = loadGfx("HUD_Speed.png"), hp = loadGfx("HUD_HP.png");
    EXPECT_GT(frameInk(speed, 1), frameInk(speed, 0) * 2);
    EXPECT_GT(frameInk(hp, 0), frameInk(hp, 1) * 2);
}

TEST(Gauges, BothFramesShareOneShapeAndTheTwoGaugesMirrorEachOther) {
    const art::Image speed = loadGfx("HUD_Speed.png"), hp = loadGfx("HUD_HP.png");
    long segments = 0, unlit = 0, strayDim = 0, mirrorDifferences = 0;
    for (int y = 0; y < 158; ++y)
        for (int x = 0; x < 97; ++x) {
            const int dim = alphaAt(speed, x, y), lit = alphaAt(speed, 97 + x, y);
            if (dim >= 30) {
                ++segments;
                unlit += lit < 160;  // every segment of the unlit frame lights up in the lit one
            }
            strayDim += lit < 10 && dim > 10;  // the unlit frame draws nothing the lit one lacks
            mirrorDifferences += std::abs(lit - alphaAt(hp, 96 - x, y)) > 24;
        }
    ASSERT_GT(segments, 500);
    EXPECT_LT(unlit, segments / 20);
    EXPECT_EQ(strayDim, 0);
    EXPECT_LT(mirrorDifferences, segments / 20);
}

TEST(MenuPointer, IsSolidAtItsTip) {
    const art::Image m = loadGfx("MouseMenue.png");
    EXPECT_GE(alphaAt(m, 4, 4), 128);
    EXPECT_LT(alphaAt(m, 0, 24), 128);
}

TEST(MenuLabels, AreSolidInTheMiddleAndClearInTheCorners) {
    for (const char* name : {"menue_start.png", "menue_highscore.png", "menue_quit.png", "menue_onlineupdate.png",
                             "menue_main.png"}) {
        const art::Image img = loadGfx(name);
        int solid = 0;
        for (int x = 0; x < img.width; ++x) solid += alphaAt(img, x, img.height / 2) >= 128;
        EXPECT_GT(solid, 20) << name;
        EXPECT_LT(alphaAt(img, 0, 0), 128) << name;
        EXPECT_LT(alphaAt(img, img.width - 1, img.height - 1), 128) << name;
    }
}

TEST(OptionBackground, LeavesTheSettingsFieldsCalm) {
    // The seven fields sit at y 50..240; their insides must stay dark so the text reads.
    const art::Image bg = loadGfx("OptionBG.png");
    for (int y = 60; y < 230; y += 7)
        for (int x = 20; x < 380; x += 7) {
            const std::uint8_t* p = bg.at(x, y);
            EXPECT_LT((p[0] + p[1] + p[2]) / 3, 110) << x << "," << y;
        }
}

}  // namespace
}  // namespace tolvex::test
