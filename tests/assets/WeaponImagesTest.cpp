// Turrets, shots, rockets and debris: exact sizes, a solid turret base at the pivot, shots with a
// hit-testable white-hot core on transparent black, and distinct rocket kinds.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "AssetFiles.h"

namespace tolvex::test {
namespace {

struct Sized {
    const char* file;
    int width;
    int height;
};

// A turret with its pivot row (the gun's TurretYAlign).
struct Turret {
    const char* file;
    int width;
    int height;
    int pivotY;
};

constexpr Turret kTurrets[] = {
    {"LaserturretDoublegreen.png", 16, 27, 20}, {"LaserturretDoubleblue.png", 16, 27, 20},
    {"LaserturretDoublered.png", 16, 27, 20},   {"LaserturretDoubleviolett.png", 18, 48, 40},
    {"LaserturretMagenta1.png", 16, 21, 21},    {"LaserturretMagenta2.png", 16, 27, 21},
    {"LaserturretOrange.png", 14, 25, 21},      {"Lavabladeturretn.png", 26, 34, 21},
    {"LaserturretRed1.png", 16, 21, 21},        {"LaserturretRed.png", 14, 25, 21},
    {"LaserturretBlue1.png", 16, 21, 16},       {"LaserturretBlue2.png", 14, 25, 21},
    {"LaserturretBlue3.png", 12, 26, 21},       {"LaserturretPurple1.png", 16, 21, 16},
    {"LaserturretPurple2.png", 14, 25, 21},     {"LaserturretPurple3.png", 12, 26, 21},
    {"LaserturretBlueBall.png", 18, 22, 12},    {"LaserturretDestructor.png", 14, 25, 18},
    {"LaserturretMG.png", 14, 25, 18},          {"LaserturretMG2.png", 14, 25, 18},
    {"LaserturretYellow.png", 12, 26, 20},
};

constexpr Sized kShots[] = {
    {"LaserDoublegreen.png", 16, 24}, {"LaserDoubleblue.png", 18, 26},  {"LaserDoublered.png", 18, 26},
    {"LaserDoubleviolett.png", 18, 26}, {"LaserMagentaShort.png", 9, 9}, {"LaserMagenta.png", 9, 24},
    {"LaserOrange300.png", 5, 16},    {"LaserOrange600.png", 7, 20},    {"LaserOrange800.png", 7, 29},
    {"Lavablade.png", 24, 16},        {"LaserRed1000.png", 9, 6},       {"LaserRed2000.png", 9, 18},
    {"LaserRed3000.png", 9, 24},      {"LaserBlue2.png", 11, 24},       {"LaserBlue.png", 11, 26},
    {"LaserPurple1.png", 14, 12},     {"LaserPurple2.png", 9, 24},      {"LaserPurple3.png", 14, 24},
    {"LaserBlueBall.png", 10, 11},    {"LaserDestructor.png", 7, 29},   {"LaserMG.png", 10, 100},
    {"LaserYellow.png", 9, 24},
};

// Brightness of a pixel as the additive blend sees it: colour times alpha.
int lightAt(const art::Image& img, int x, int y) {
    const auto* p = img.at(x, y);
    return std::max({p[0], p[1], p[2]}) * p[3] / 255;
}

// Brightest light in rows [y0, y1).
int brightestInRows(const art::Image& img, int y0, int y1) {
    int best = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < img.width; ++x) best = std::max(best, lightAt(img, x, y));
    return best;
}

int solidPixels(const art::Image& img) {
    int n = 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) n += alphaAt(img, x, y) >= 128;
    return n;
}

TEST(TurretImages, HaveTheirExactSizes) {
    for (const Turret& t : kTurrets) expectSize(t.file, t.width, t.height);
}

TEST(TurretImages, AreSolidAroundThePivotAndAboveIt) {
    for (const Turret& t : kTurrets) {
        const art::Image img = loadGfx(t.file);
        const int px = t.width / 2;
        const int py = std::min(t.pivotY, t.height - 1);
        EXPECT_EQ(alphaAt(img, px, py), 255) << t.file << ": the base sits on the pivot";
        EXPECT_GE(alphaAt(img, px, py - 5), 128) << t.file << ": the barrel leaves the pivot upwards";
        EXPECT_LT(alphaAt(img, 0, 0), 128) << t.file << ": the corners stay clear";
    }
}

TEST(ShotImages, HaveTheirExactSizes) {
    for (const Sized& s : kShots) expectSize(s.file, s.width, s.height);
}

TEST(ShotImages, GlowWithAWhiteHotCoreOnTransparentBlack) {
    for (const Sized& s : kShots) {
        const art::Image img = loadGfx(s.file);
        EXPECT_GT(solidPixels(img), 0) << s.file << ": a shot needs solid pixels to hit anything";
        int brightest = 0, whitest = 0;
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x) {
                const auto* p = img.at(x, y);
                brightest = std::max(brightest, lightAt(img, x, y));
                if (p[3] >= 200) whitest = std::max(whitest, int(std::min({p[0], p[1], p[2]})));
            }
        EXPECT_GE(brightest, 240) << s.file;
        EXPECT_GE(whitest, 200) << s.file << ": the core is near white";
        for (auto [x, y] : {std::pair{0, 0}, {img.width - 1, 0}, {0, img.height - 1}, {img.width - 1, img.height - 1}})
            EXPECT_LT(lightAt(img, x, y), 40) << s.file << ": corner " << x << "," << y << " is dark";
    }
}

TEST(ShotImages, TheTracerIsBrightestAtItsFront) {
    const art::Image img = loadGfx("LaserMG.png");
    const int front = brightestInRows(img, 0, img.height / 4);
    const int tail = brightestInRows(img, img.height * 3 / 4, img.height);
    EXPECT_GE(front, 240);
    EXPECT_LT(tail, front / 2);
}

TEST(RocketImages, FitTheCullingMarginAndDiffer) {
    const char* files[] = {"rocket0.png", "rocket.png", "rocket2.png", "rocket3.png"};
    std::vector<art::Image> rockets;
    for (const char* f : files) {
        rockets.push_back(loadGfx(f));
        const art::Image& img = rockets.back();
        EXPECT_LE(img.width, 34) << f;
        EXPECT_LE(img.height, 34) << f;
        EXPECT_GE(img.height, img.width) << f << " points up";
        EXPECT_GT(solidPixels(img), 10) << f << ": shots must be able to hit it";
    }
    for (std::size_t i = 0; i < rockets.size(); ++i)
        for (std::size_t j = i + 1; j < rockets.size(); ++j)
            EXPECT_FALSE(rockets[i].width == rockets[j].width && rockets[i].height == rockets[j].height &&
                         rockets[i].rgba == rockets[j].rgba)
                << files[i] << " and " << files[j];
}

TEST(DebrisImages, SixteenShardsWithTheParticleSizesFirst) {
    const art::Image first = loadGfx("truemmer1.png");
    EXPECT_EQ(first.width, 13);
    EXPECT_EQ(first.height, 13);
    const art::Image second = loadGfx("truemmer2.png");
    EXPECT_EQ(second.width, 23);
    EXPECT_EQ(second.height, 30);
    for (int i = 1; i <= 16; ++i) {
        const std::string name = "truemmer" + std::to_string(i) + ".png";
        const art::Image img = loadGfx(name);
        EXPECT_GT(solidPixels(img), img.width * img.height / 6) << name;
        EXPECT_LT(alphaAt(img, 0, 0), 128) << name << ": a jagged shard, not a rectangle";
    }
}

}  // namespace
}  // namespace tolvex::test
