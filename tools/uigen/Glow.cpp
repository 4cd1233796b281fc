#include "Glow.h"

#include <algorithm>

namespace tolvex::art {

namespace {

// The shape painted in one colour.
Image paintShape(int width, int height, const std::function<void(cairo_t*)>& draw, const Color& c) {
    Canvas canvas(width, height, 4);
    setSource(canvas.cr(), c);
    draw(canvas.cr());
    return canvas.image();
}

}  // namespace

Image over(const Image& top, const Image& bottom) {
    FloatImage a = fromImage(top);
    const FloatImage b = fromImage(bottom);
    for (std::size_t i = 0; i < a.px.size(); i += 4) {
        const float k = 1 - a.px[i + 3];
        for (int c = 0; c < 4; ++c) a.px[i + c] += b.px[i + c] * k;
    }
    return toImage(a);
}

Image glowingShape(int width, int height, const std::function<void(cairo_t*)>& draw, const Color& core,
                   const Color& glow, int glowRadius, double glowStrength) {
    FloatImage halo = fromImage(paintShape(width, height, draw, glow));
    boxBlur(halo, glowRadius, 3, false);
    for (float& v : halo.px) v = std::min(1.f, v * static_cast<float>(glowStrength));
    return over(paintShape(width, height, draw, core), toImage(halo));
}

Image glowingLabel(int width, int height, const std::string& text, const std::string& face, double pixels,
                   const Color& core, const Color& glow, double margin) {
    return glowingShape(width, height, [&](cairo_t* cr) {
        setFont(cr, face, pixels);
        cairo_text_extents_t e;
        cairo_text_extents(cr, text.c_str(), &e);
        const double fit = std::min(1.0, (width - 2 * margin) / e.width);
        cairo_save(cr);
        cairo_translate(cr, width / 2.0, height / 2.0);
        cairo_scale(cr, fit, fit);
        centredTextPath(cr, text, 0, 0);
        cairo_restore(cr);
        cairo_fill(cr);
    }, core, glow, 5, 2.6);
}

}  // namespace tolvex::art
