#include "Field.h"

namespace tolvex::art {

FloatImage renderField(int width, int height, int samples, const Shader& shade) {
    FloatImage out(width, height);
    const double step = 1.0 / samples;
    const float norm = 1.0f / static_cast<float>(samples * samples);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float* p = out.at(x, y);
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const Color c = shade(x + (sx + 0.5) * step, y + (sy + 0.5) * step);
                    const float a = static_cast<float>(clamp01(c.a)) * norm;
                    p[0] += static_cast<float>(c.r) * a;
                    p[1] += static_cast<float>(c.g) * a;
                    p[2] += static_cast<float>(c.b) * a;
                    p[3] += a;
                }
            }
        }
    }
    return out;
}

}  // namespace tolvex::art
