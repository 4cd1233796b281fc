#include "EvenLight.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tolvex::art {

void evenOutBrightPatches(FloatImage& image, int radius, double quantile, double strength) {
    FloatImage light(image.width, image.height);
    for (std::size_t i = 0; i < image.px.size(); i += 4)
        light.px[i + 3] = 0.3f * image.px[i] + 0.59f * image.px[i + 1] + 0.11f * image.px[i + 2];
    boxBlur(light, radius, 3, true);
    std::vector<float> sorted;
    sorted.reserve(light.px.size() / 4);
    for (std::size_t i = 3; i < light.px.size(); i += 4) sorted.push_back(light.px[i]);
    const auto at = sorted.begin() + static_cast<std::ptrdiff_t>(quantile * static_cast<double>(sorted.size() - 1));
    std::nth_element(sorted.begin(), at, sorted.end());
    const float level = *at;
    if (level <= 0) return;
    for (std::size_t i = 0; i < image.px.size(); i += 4) {
        const float patch = light.px[i + 3];
        if (patch <= level) continue;
        const auto keep = static_cast<float>(std::pow(level / patch, strength));
        for (int c = 0; c < 4; ++c) image.px[i + c] *= keep;
    }
}

}  // namespace tolvex::art
