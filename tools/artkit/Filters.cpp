#include "Filters.h"

#include <algorithm>
#include <cmath>

namespace tolvex::art {

void FloatImage::blendOver(int x, int y, const Color& c) {
    float* p = at(x, y);
    const float a = static_cast<float>(c.a);
    p[0] = static_cast<float>(c.r) * a + p[0] * (1 - a);
    p[1] = static_cast<float>(c.g) * a + p[1] * (1 - a);
    p[2] = static_cast<float>(c.b) * a + p[2] * (1 - a);
    p[3] = a + p[3] * (1 - a);
}

void FloatImage::addLight(int x, int y, const Color& c) {
    float* p = at(x, y);
    const float a = static_cast<float>(c.a);
    p[0] += static_cast<float>(c.r) * a;
    p[1] += static_cast<float>(c.g) * a;
    p[2] += static_cast<float>(c.b) * a;
    p[3] += a;
}

Image toImage(const FloatImage& image) {
    Image out(image.width, image.height);
    for (std::size_t i = 0; i < out.rgba.size(); i += 4) {
        const float a = std::clamp(image.px[i + 3], 0.f, 1.f);
        out.rgba[i + 3] = static_cast<std::uint8_t>(std::lround(a * 255));
        if (out.rgba[i + 3] == 0) continue;
        for (int c = 0; c < 3; ++c) {
            const float v = std::clamp(image.px[i + c] / a, 0.f, 1.f);
            out.rgba[i + c] = static_cast<std::uint8_t>(std::lround(v * 255));
        }
    }
    return out;
}

FloatImage fromImage(const Image& image) {
    FloatImage out(image.width, image.height);
    for (std::size_t i = 0; i < image.rgba.size(); i += 4) {
        const float a = image.rgba[i + 3] / 255.f;
        for (int c = 0; c < 3; ++c) out.px[i + c] = image.rgba[i + c] / 255.f * a;
        out.px[i + 3] = a;
    }
    return out;
}

namespace {

// One box pass over a strided line of n pixels (4 floats each) using a running sum.
void blurLine(float* line, int n, std::size_t step, int radius, bool wrap, std::vector<float>& tmp) {
    tmp.assign(static_cast<std::size_t>(n) * 4, 0.f);
    for (int c = 0; c < 4; ++c) {
        auto sample = [&](int i) -> float {
            if (wrap) i = ((i % n) + n) % n;
            else if (i < 0 || i >= n) return 0.f;
            return line[static_cast<std::size_t>(i) * step + c];
        };
        double sum = 0;
        for (int i = -radius; i <= radius; ++i) sum += sample(i);
        for (int i = 0; i < n; ++i) {
            tmp[static_cast<std::size_t>(i) * 4 + c] = static_cast<float>(sum / (2 * radius + 1));
            sum += sample(i + radius + 1) - sample(i - radius);
        }
    }
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < 4; ++c) line[static_cast<std::size_t>(i) * step + c] = tmp[static_cast<std::size_t>(i) * 4 + c];
}

}  // namespace

void boxBlur(FloatImage& image, int radius, int passes, bool wrap) {
    if (radius <= 0) return;
    std::vector<float> tmp;
    for (int p = 0; p < passes; ++p) {
        for (int y = 0; y < image.height; ++y) blurLine(image.at(0, y), image.width, 4, radius, wrap, tmp);
        for (int x = 0; x < image.width; ++x)
            blurLine(image.at(x, 0), image.height, static_cast<std::size_t>(image.width) * 4, radius, wrap, tmp);
    }
}

void addGlow(FloatImage& image, int radius, float strength, bool wrap) {
    FloatImage glow = image;
    boxBlur(glow, radius, 3, wrap);
    for (std::size_t i = 0; i < image.px.size(); ++i) image.px[i] += glow.px[i] * strength;
}

}  // namespace tolvex::art
