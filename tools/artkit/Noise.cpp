#include "Noise.h"

#include <cmath>

#include "Rng.h"

namespace tolvex::art {

namespace {

int wrap(int i, int period) { return ((i % period) + period) % period; }

double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

double lerp(double a, double b, double t) { return a + (b - a) * t; }

// 256 unit gradients around the circle, so a lattice corner only needs a hash to pick one.
struct GradientTable {
    double x[256], y[256];
    GradientTable() {
        for (int i = 0; i < 256; ++i) {
            x[i] = std::cos(i * 6.283185307179586 / 256);
            y[i] = std::sin(i * 6.283185307179586 / 256);
        }
    }
};
const GradientTable gradients;

// Dot product of the corner's pseudo-random unit gradient with the offset to (dx, dy).
double gradientDot(std::uint64_t seed, int ix, int iy, double dx, double dy) {
    const auto i = hash64(seed, static_cast<std::uint64_t>(ix), static_cast<std::uint64_t>(iy)) >> 56;
    return gradients.x[i] * dx + gradients.y[i] * dy;
}

double latticeValue(std::uint64_t seed, int ix, int iy) {
    return static_cast<double>(hash64(seed ^ 0x5bd1e995u, static_cast<std::uint64_t>(ix),
                                      static_cast<std::uint64_t>(iy)) >> 11) *
           (1.0 / 9007199254740992.0);
}

}  // namespace

double TileNoise::noise(double x, double y, int periodX, int periodY) const {
    const double fx = std::floor(x), fy = std::floor(y);
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const double dx = x - fx, dy = y - fy;
    const int ax = wrap(x0, periodX), bx = wrap(x0 + 1, periodX);
    const int ay = wrap(y0, periodY), by = wrap(y0 + 1, periodY);
    const double n00 = gradientDot(seed_, ax, ay, dx, dy);
    const double n10 = gradientDot(seed_, bx, ay, dx - 1, dy);
    const double n01 = gradientDot(seed_, ax, by, dx, dy - 1);
    const double n11 = gradientDot(seed_, bx, by, dx - 1, dy - 1);
    const double u = fade(dx), v = fade(dy);
    return lerp(lerp(n00, n10, u), lerp(n01, n11, u), v) * 1.41421356;
}

double TileNoise::value(double x, double y, int periodX, int periodY) const {
    const double fx = std::floor(x), fy = std::floor(y);
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const double u = fade(x - fx), v = fade(y - fy);
    const int ax = wrap(x0, periodX), bx = wrap(x0 + 1, periodX);
    const int ay = wrap(y0, periodY), by = wrap(y0 + 1, periodY);
    return lerp(lerp(latticeValue(seed_, ax, ay), latticeValue(seed_, bx, ay), u),
                lerp(latticeValue(seed_, ax, by), latticeValue(seed_, bx, by), u), v);
}

double TileNoise::fbm(double x, double y, int periodX, int periodY, int octaves, double gain) const {
    double sum = 0, amplitude = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        const TileNoise layer(seed_ + static_cast<std::uint64_t>(o) * 7919);
        sum += amplitude * layer.noise(x, y, periodX, periodY);
        norm += amplitude;
        amplitude *= gain;
        x *= 2;
        y *= 2;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / norm;
}

double TileNoise::ridged(double x, double y, int periodX, int periodY, int octaves, double gain) const {
    double sum = 0, amplitude = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        const TileNoise layer(seed_ + static_cast<std::uint64_t>(o) * 104729);
        const double r = 1.0 - std::fabs(layer.noise(x, y, periodX, periodY));
        sum += amplitude * r * r;
        norm += amplitude;
        amplitude *= gain;
        x *= 2;
        y *= 2;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / norm;
}

}  // namespace tolvex::art
