// Particle sprites and colour-over-life gradients.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AssetFiles.h"

namespace tolvex::test {
namespace {

const char* const kGradients[] = {"GradientYellow.png", "GradientGreen.png", "GradientBlue.png", "GradientRed.png",
                                  "GradientViolett.png", "GradientPlasma.png", "GradientPlasma2.png"};

TEST(Gradients, Are256By1AndEndTransparent) {
    for (const char* name : kGradients) {
        const art::Image g = loadGfx(name);
        ASSERT_EQ(g.width, 256) << name;
        ASSERT_EQ(g.height, 1) << name;
        EXPECT_EQ(alphaAt(g, 255, 0), 0) << name;
    }
}

TEST(Gradients, StartNearlyWhiteAndVisible) {
    for (const char* name : kGradients) {
        const art::Image g = loadGfx(name);
        const std::uint8_t* first = g.at(1, 0);  // the first column a living particle uses
        EXPECT_GE(std::min({first[0], first[1], first[2]}), 200) << name;
        EXPECT_GE(first[3], 230) << name;
    }
}

TEST(Gradients, FadeWithoutFlickeringBackUp) {
    for (const char* name : kGradients) {
        const art::Image g = loadGfx(name);
        for (int x = 1; x < 256; ++x) EXPECT_LE(alphaAt(g, x, 0), alphaAt(g, x - 1, 0)) << name << " column " << x;
    }
}

TEST(Gradients, EachHasItsOwnColourHalfwayThroughLife) {
    std::vector<art::Image> ramps;
    for (const char* name : kGradients) ramps.push_back(loadGfx(name));
    for (std::size_t i = 0; i < ramps.size(); ++i)
        for (std::size_t j = i + 1; j < ramps.size(); ++j) {
            const std::uint8_t* a = ramps[i].at(100, 0);
            const std::uint8_t* b = ramps[j].at(100, 0);
            const int d = std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
            EXPECT_GT(d, 40) << kGradients[i] << " vs " << kGradients[j];
        }
}

struct Sprite {
    std::string name;
    int width, height;
};

const Sprite kSprites[] = {{"RSchweif1.png", 12, 102}, {"RSchweif0.png", 12, 51}, {"RSchweif3.png", 25, 50},
                           {"lexplo1.png", 32, 32},    {"lexplo2.png", 32, 32},   {"sprite_smoke1.png", 64, 64},
                           {"funken1.png", 12, 13}};

TEST(ParticleSprites, HaveTheirExactSizes) {
    for (const Sprite& s : kSprites) expectSize(s.name, s.width, s.height);
}

TEST(ParticleSprites, FadeOutBeforeTheirBordersSoNoBoxShows) {
    for (const char* name : {"lexplo1.png", "lexplo2.png", "sprite_smoke1.png", "funken1.png"}) {
        const art::Image img = loadGfx(name);
        int border = 0;
        for (int x = 0; x < img.width; ++x)
            border = std::max({border, alphaAt(img, x, 0), alphaAt(img, x, img.height - 1)});
        for (int y = 0; y < img.height; ++y)
            border = std::max({border, alphaAt(img, 0, y), alphaAt(img, img.width - 1, y)});
        EXPECT_LE(border, 12) << name;
        EXPECT_GE(alphaAt(img, img.width / 2, img.height / 2), 128) << name << " has no bright middle";
    }
}

TEST(ExhaustStrokes, HangFromTheirHandleAndFadeAlongTheTrail) {
    for (const char* name : {"RSchweif1.png", "RSchweif0.png"}) {
        const art::Image img = loadGfx(name);
        int brightestColumn = 0;
        for (int x = 0; x < img.width; ++x)
            if (alphaAt(img, x, 6) > alphaAt(img, brightestColumn, 6)) brightestColumn = x;
        EXPECT_EQ(brightestColumn, 5) << name << ": the handle column (5, 0) should carry the core";
        EXPECT_GT(alphaAt(img, 5, img.height / 8), alphaAt(img, 5, img.height * 3 / 4)) << name;
        EXPECT_LE(alphaAt(img, 5, img.height - 1), 8) << name;
    }
}

TEST(Smoke, IsGreyscaleSoTheGradientColoursIt) {
    const art::Image img = loadGfx("sprite_smoke1.png");
    for (std::size_t i = 0; i < img.rgba.size(); i += 4)
        if (img.rgba[i + 3] > 0) {
            ASSERT_TRUE(img.rgba[i] == img.rgba[i + 1] && img.rgba[i + 1] == img.rgba[i + 2]);
        }
}

}  // namespace
}  // namespace tolvex::test
