#include "SeamMeasure.h"

#include <algorithm>
#include <cstdlib>

namespace tolvex::test {

namespace {

// Mean absolute difference (premultiplied RGBA) between pixel line a and line b.
double lineDifference(const art::Image& img, bool columns, int a, int b) {
    const int n = columns ? img.height : img.width;
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const std::uint8_t* p = columns ? img.at(a, i) : img.at(i, a);
        const std::uint8_t* q = columns ? img.at(b, i) : img.at(i, b);
        for (int c = 0; c < 3; ++c) sum += std::abs(p[c] * p[3] - q[c] * q[3]) / 255.0;
        sum += std::abs(p[3] - q[3]);
    }
    return sum / (n * 4.0);
}

}  // namespace

double seamRatio(const art::Image& img, bool horizontalWrap) {
    const int lines = horizontalWrap ? img.width : img.height;
    const int reach = std::min(8, lines / 4);
    double local = 0;
    for (int i = 0; i < reach; ++i) {
        local += lineDifference(img, horizontalWrap, i, i + 1);
        local += lineDifference(img, horizontalWrap, lines - 2 - i, lines - 1 - i);
    }
    local /= 2 * reach;
    const double seam = lineDifference(img, horizontalWrap, lines - 1, 0);
    return seam / (local + 1e-9);
}

}  // namespace tolvex::test
