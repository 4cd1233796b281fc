#pragma once

#include <cstdint>

namespace tolvex::art {

// Periodic gradient noise: tiles seamlessly because the lattice wraps after a whole number of cells.
class TileNoise {
public:
    explicit TileNoise(std::uint64_t seed) : seed_(seed) {}

    // Gradient noise at (x, y) in lattice units, repeating every periodX x periodY cells; about [-1, 1].
    double noise(double x, double y, int periodX, int periodY) const;

    // Value noise (smoothly interpolated random lattice values) in [0, 1], same periodicity.
    double value(double x, double y, int periodX, int periodY) const;

    // Fractal sum of `octaves` gradient-noise layers; each octave doubles frequency and period and
    // halves (times `gain`) the amplitude. Normalised to about [-1, 1].
    double fbm(double x, double y, int periodX, int periodY, int octaves, double gain = 0.5) const;

    // Like fbm but of |noise| folded into sharp ridges, in [0, 1]: filaments and veins.
    double ridged(double x, double y, int periodX, int periodY, int octaves, double gain = 0.5) const;

private:
    std::uint64_t seed_;
};

}  // namespace tolvex::art
