// The artwork kit the generators share: tileable noise, randomness, files, canvases, blurs.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "ArtKit.h"

namespace tolvex::test {
namespace {

TEST(TileNoise, RepeatsAfterItsPeriod) {
    const art::TileNoise n(42);
    for (double x : {0.1, 1.7, 2.5, 4.93})
        for (double y : {0.3, 2.2, 3.9}) {
            EXPECT_NEAR(n.noise(x, y, 5, 3), n.noise(x + 5, y, 5, 3), 1e-12);
            EXPECT_NEAR(n.noise(x, y, 5, 3), n.noise(x, y + 3, 5, 3), 1e-12);
            EXPECT_NEAR(n.value(x, y, 5, 3), n.value(x - 5, y + 6, 5, 3), 1e-12);
            EXPECT_NEAR(n.fbm(x, y, 5, 3, 6), n.fbm(x + 5, y - 3, 5, 3, 6), 1e-12);
            EXPECT_NEAR(n.ridged(x, y, 5, 3, 4), n.ridged(x + 10, y, 5, 3, 4), 1e-12);
        }
}

TEST(TileNoise, VariesInsideThePeriodAndWithTheSeed) {
    const art::TileNoise a(1), b(2);
    double spread = 0, seedDifference = 0;
    for (int i = 0; i < 50; ++i) {
        const double x = i * 0.37, y = i * 0.21;
        spread += std::fabs(a.fbm(x, y, 8, 8, 4) - a.fbm(x + 0.5, y, 8, 8, 4));
        seedDifference += std::fabs(a.fbm(x, y, 8, 8, 4) - b.fbm(x, y, 8, 8, 4));
    }
    EXPECT_GT(spread, 1.0);
    EXPECT_GT(seedDifference, 2.0);
}

TEST(TileNoise, StaysInItsRange) {
    const art::TileNoise n(9);
    for (int i = 0; i < 2000; ++i) {
        const double x = i * 0.0731, y = i * 0.0419;
        EXPECT_LE(std::fabs(n.fbm(x, y, 16, 16, 6)), 1.0);
        const double v = n.value(x, y, 16, 16), r = n.ridged(x, y, 16, 16, 3);
        EXPECT_TRUE(v >= 0 && v <= 1);
        EXPECT_TRUE(r >= 0 && r <= 1);
    }
}

TEST(Rng, GivesTheSameSequenceForTheSameSeed) {
    art::Rng a(7), b(7), c(8);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const auto va = a.next();
        EXPECT_EQ(va, b.next());
        differs |= va != c.next();
    }
    EXPECT_TRUE(differs);
}

TEST(Rng, KeepsUniformAndBelowInsideTheirRanges) {
    art::Rng r(3);
    double sum = 0;
    for (int i = 0; i < 10000; ++i) {
        const double u = r.uniform();
        ASSERT_TRUE(u >= 0 && u < 1);
        sum += u;
        const int k = r.below(7);
        ASSERT_TRUE(k >= 0 && k < 7);
    }
    EXPECT_NEAR(sum / 10000, 0.5, 0.02);
}

// A temporary file path for round trips, unique to this process.
std::string tempFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "_" + name)).string();
}

TEST(ImageFiles, PngKeepsStraightAlphaPixelsExactly) {
    art::Image img(5, 3);
    for (std::size_t i = 0; i < img.rgba.size(); ++i) img.rgba[i] = static_cast<std::uint8_t>(i * 37 + 11);
    const std::string path = tempFile("tolvex_artkit_roundtrip.png");
    art::writePng(path, img);
    const art::Image back = art::readImage(path);
    EXPECT_EQ(back.width, 5);
    EXPECT_EQ(back.height, 3);
    EXPECT_EQ(back.rgba, img.rgba);
    std::filesystem::remove(path);
}

TEST(ImageFiles, JpegKeepsSizeAndColourClosely) {
    art::Image img(40, 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 40; ++x) {
            std::uint8_t* p = img.at(x, y);
            p[0] = 200, p[1] = static_cast<std::uint8_t>(x * 5), p[2] = 40, p[3] = 255;
        }
    const std::string path = tempFile("tolvex_artkit_roundtrip.jpg");
    art::writeJpeg(path, img);
    const art::Image back = art::readImage(path);
    ASSERT_EQ(back.width, 40);
    ASSERT_EQ(back.height, 24);
    EXPECT_NEAR(back.at(20, 12)[0], 200, 6);
    EXPECT_NEAR(back.at(20, 12)[1], 100, 6);
    EXPECT_EQ(back.at(20, 12)[3], 255);
    std::filesystem::remove(path);
}

TEST(Canvas, UnpremultipliesAndAntialiasesEdges) {
    art::Canvas c(4, 2, 4);
    art::setSource(c.cr(), art::Color::hex(0x336699, 0.5));
    cairo_rectangle(c.cr(), 0, 0, 2.5, 2);  // covers pixels 0, 1 fully and half of pixel 2
    cairo_fill(c.cr());
    const art::Image img = c.image();
    EXPECT_EQ(img.at(0, 0)[3], 128);
    EXPECT_NEAR(img.at(0, 0)[0], 0x33, 2);  // straight colour, not darkened by alpha
    EXPECT_NEAR(img.at(0, 0)[2], 0x99, 2);
    EXPECT_NEAR(img.at(2, 1)[3], 64, 2);
    EXPECT_EQ(img.at(3, 0)[3], 0);
}

TEST(BoxBlur, WrappingKeepsTheLightAndTheTiling) {
    art::FloatImage img(16, 8);
    img.at(0, 0)[3] = 1.f;  // a single dot on the corner spreads to all four corners
    art::boxBlur(img, 2, 3, true);
    double total = 0;
    for (std::size_t i = 3; i < img.px.size(); i += 4) total += img.px[i];
    EXPECT_NEAR(total, 1.0, 1e-4);
    EXPECT_NEAR(img.at(1, 0)[3], img.at(15, 0)[3], 1e-6);
    EXPECT_NEAR(img.at(0, 1)[3], img.at(0, 7)[3], 1e-6);
}

TEST(ColorRamp, HitsItsStopsAndBlendsBetween) {
    const art::ColorRamp ramp{{0, art::Color::hex(0x000000)}, {0.5, art::Color::hex(0xff0000)}, {1, art::Color::hex(0xffffff)}};
    EXPECT_DOUBLE_EQ(ramp.at(0.5).r, 1.0);
    EXPECT_DOUBLE_EQ(ramp.at(0.5).g, 0.0);
    EXPECT_NEAR(ramp.at(0.75).g, 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(ramp.at(-1).r, 0.0);
    EXPECT_DOUBLE_EQ(ramp.at(2).b, 1.0);
}

}  // namespace
}  // namespace tolvex::test
