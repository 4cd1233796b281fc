#include "Nebula.h"

#include <algorithm>
#include <cmath>

namespace tolvex::art {

namespace {

// Whole lattice cells down an image that has `across` cells across, so cells stay about square.
int cellsDown(int across, int width, int height) {
    return std::max(1, static_cast<int>(std::lround(across * static_cast<double>(height) / width)));
}

}  // namespace

NebulaField::NebulaField(std::uint64_t seed, int width, int height, int cellsAcross, double warp, int octaves,
                         int regionCellsAcross)
    : noise_(seed), warpX_(seed * 31 + 7), warpY_(seed * 57 + 13), region_(seed * 91 + 29), width_(width), height_(height),
      periodX_(cellsAcross), periodY_(cellsDown(cellsAcross, width, height)), regionX_(regionCellsAcross),
      regionY_(cellsDown(regionCellsAcross, width, height)), warp_(warp), octaves_(octaves) {}

void NebulaField::warped(double x, double y, double& u, double& v) const {
    const double bu = x * periodX_ / width_, bv = y * periodY_ / height_;
    u = bu + warp_ * warpX_.fbm(bu, bv, periodX_, periodY_, 4);
    v = bv + warp_ * warpY_.fbm(bu, bv, periodX_, periodY_, 4);
}

double NebulaField::density(double x, double y) const {
    double u, v;
    warped(x, y, u, v);
    return 0.5 + 0.5 * noise_.fbm(u, v, periodX_, periodY_, octaves_, 0.55);
}

NebulaField::Sample NebulaField::sample(double x, double y) const {
    double u, v;
    warped(x, y, u, v);
    const double d = 0.5 + 0.5 * noise_.fbm(u, v, periodX_, periodY_, octaves_, 0.55);
    const double r = noise_.ridged(u * 2 + 0.37, v * 2 + 0.71, periodX_ * 2, periodY_ * 2, 4, 0.5);
    return {d, std::pow(r, 4.0)};
}

double NebulaField::broad(double x, double y) const {
    return warpX_.fbm(x * periodX_ / width_ + 0.5, y * periodY_ / height_ + 0.5, periodX_, periodY_, 2);
}

double NebulaField::region(double x, double y) const {
    return 0.5 + 0.5 * region_.fbm(x * regionX_ / width_, y * regionY_ / height_, regionX_, regionY_, 3) * 1.6;
}

}  // namespace tolvex::art
