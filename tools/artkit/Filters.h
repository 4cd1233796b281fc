#pragma once

#include <vector>

#include "Color.h"
#include "Image.h"

namespace tolvex::art {

// Premultiplied float RGBA for per-pixel work (noise fields, blurs, additive glow).
struct FloatImage {
    int width = 0;
    int height = 0;
    std::vector<float> px;  // r, g, b, a per pixel, premultiplied

    FloatImage() = default;
    FloatImage(int w, int h) : width(w), height(h), px(static_cast<std::size_t>(w) * h * 4, 0.f) {}

    float* at(int x, int y) { return px.data() + (static_cast<std::size_t>(y) * width + x) * 4; }
    const float* at(int x, int y) const { return px.data() + (static_cast<std::size_t>(y) * width + x) * 4; }

    // Composites colour c (straight alpha) over pixel (x, y).
    void blendOver(int x, int y, const Color& c);
    // Adds colour c scaled by its alpha to pixel (x, y) (light: alpha grows by the same amount).
    void addLight(int x, int y, const Color& c);
};

// Straight-alpha 8-bit pixels from premultiplied floats (clamped, rounded).
Image toImage(const FloatImage& image);

// Premultiplied floats from straight-alpha pixels.
FloatImage fromImage(const Image& image);

// Box blur of every channel, `passes` times (three passes approximate a Gaussian). With `wrap`
// the blur runs around the edges, so a tiling image keeps tiling.
void boxBlur(FloatImage& image, int radius, int passes = 3, bool wrap = false);

// Adds a blurred copy of the image scaled by `strength` onto itself: a soft glow around bright parts.
void addGlow(FloatImage& image, int radius, float strength, bool wrap = false);

}  // namespace tolvex::art
