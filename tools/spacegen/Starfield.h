#pragma once

#include <cstdint>
#include <functional>

#include "ArtKit.h"

namespace tolvex::art {

// How a star field is scattered.
struct StarfieldStyle {
    double starsPerMegapixel = 9000;  // faint stars; brightness follows a power law
    int brightStars = 10;             // big stars with a glow and a faint cross
    double brightness = 1.0;          // overall brightness multiplier
    Color coolTint = Color::hex(0xaac8ff);
    Color warmTint = Color::hex(0xffd8a8);
};

// Adds stars of light to `sky`, wrapping around its edges so the image still tiles. `densityAt`
// (0..1+) thins or crowds the faint stars by position; stars are placed by `seed` alone.
void addStars(FloatImage& sky, std::uint64_t seed, const StarfieldStyle& style,
              const std::function<double(double, double)>& densityAt);

// Adds one soft round light at (x, y) with the given radius (Gaussian sigma), wrapping around.
void addSplat(FloatImage& sky, double x, double y, double sigma, const Color& c, double intensity);

}  // namespace tolvex::art
