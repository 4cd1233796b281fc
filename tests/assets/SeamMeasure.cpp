#include "SeamMeasure.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace tolvex::test {

namespace {

constexpr int kBlock = 8;

// How much line a and line b differ: both are averaged over blocks of 8 pixels along the line
// (premultiplied RGBA), and the blocks' absolute differences are averaged without their largest
// tenth, so single stars do not decide it but a change of the clouds or dust does.
double lineDifference(const art::Image& img, bool columns, int a, int b) {
    const int n = columns ? img.height : img.width;
    std::vector<double> diffs;
    for (int start = 0; start + kBlock <= n; start += kBlock) {
        double sum[4] = {0, 0, 0, 0};
        for (int i = start; i < start + kBlock; ++i) {
            const std::uint8_t* p = columns ? img.at(a, i) : img.at(i, a);
            const std::uint8_t* q = columns ? img.at(b, i) : img.at(i, b);
            for (int c = 0; c < 3; ++c) sum[c] += (p[c] * p[3] - q[c] * q[3]) / 255.0;
            sum[3] += p[3] - q[3];
        }
        for (double v : sum) diffs.push_back(std::abs(v) / kBlock);
    }
    std::sort(diffs.begin(), diffs.end());
    const std::size_t kept = diffs.size() - diffs.size() / 10;
    double sum = 0;
    for (std::size_t i = 0; i < kept; ++i) sum += diffs[i];
    return sum / static_cast<double>(kept);
}

}  // namespace

double seamRatio(const art::Image& img, bool horizontalWrap) {
    const int lines = horizontalWrap ? img.width : img.height;
    double largest = 0;
    for (int i = 0; i + 1 < lines; ++i) largest = std::max(largest, lineDifference(img, horizontalWrap, i, i + 1));
    const double seam = lineDifference(img, horizontalWrap, lines - 1, 0);
    return seam / (largest + 1e-9);
}

}  // namespace tolvex::test
