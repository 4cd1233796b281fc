#pragma once

#include <cstdint>

#include "ArtKit.h"

namespace tolvex::art {

// A seamless cloud field over a width x height image: domain-warped fractal noise whose lattice
// wraps at the image edges. Sample it with pixel coordinates.
class NebulaField {
public:
    // `cellsAcross` lattice cells span the width (the height gets the matching whole number), and
    // `regionCellsAcross` cells of the mask that gathers the clouds.
    NebulaField(std::uint64_t seed, int width, int height, int cellsAcross, double warp, int octaves = 6,
                int regionCellsAcross = 2);

    // Cloud density around [0, 1] (0.5 is the mean) at pixel (x, y).
    double density(double x, double y) const;

    // Density and thin bright filaments in [0, 1] together, sharing one warp evaluation.
    struct Sample {
        double density, filaments;
    };
    Sample sample(double x, double y) const;

    // A smooth large-scale variation in [-1, 1] (for colour drift and star density).
    double broad(double x, double y) const;

    // Where the clouds gather, in [0, 1]: a low-frequency mask, so a backdrop has crowded regions
    // and open black space. With several cells across the image a tile holds several crowds and
    // none of them stands out as the one that repeats.
    double region(double x, double y) const;

private:
    void warped(double x, double y, double& u, double& v) const;

    TileNoise noise_;
    TileNoise warpX_;
    TileNoise warpY_;
    TileNoise region_;
    int width_, height_, periodX_, periodY_, regionX_, regionY_;
    double warp_;
    int octaves_;
};

}  // namespace tolvex::art
