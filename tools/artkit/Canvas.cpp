#include "Canvas.h"

#include <stdexcept>

namespace tolvex::art {

Canvas::Canvas(int width, int height, int supersample)
    : width_(width), height_(height), supersample_(supersample),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width * supersample, height * supersample)),
      context_(cairo_create(surface_.get())) {
    if (cairo_surface_status(surface_.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a Cairo surface");
    cairo_scale(context_.get(), supersample, supersample);
    cairo_set_antialias(context_.get(), CAIRO_ANTIALIAS_BEST);
}

Image Canvas::image() const { return imageFromSurface(surface_.get(), supersample_); }

Image imageFromSurface(cairo_surface_t* surface, int factor) {
    cairo_surface_flush(surface);
    const int sw = cairo_image_surface_get_width(surface);
    const int sh = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    Image out(sw / factor, sh / factor);
    const int n = factor * factor;
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            unsigned sum[4] = {0, 0, 0, 0};  // B, G, R, A premultiplied (little-endian ARGB32)
            for (int dy = 0; dy < factor; ++dy) {
                const auto* row = reinterpret_cast<const std::uint32_t*>(data + (y * factor + dy) * stride);
                for (int dx = 0; dx < factor; ++dx) {
                    const std::uint32_t p = row[x * factor + dx];
                    sum[0] += p & 0xff;
                    sum[1] += (p >> 8) & 0xff;
                    sum[2] += (p >> 16) & 0xff;
                    sum[3] += p >> 24;
                }
            }
            std::uint8_t* o = out.at(x, y);
            const unsigned a = (sum[3] + n / 2) / n;
            o[3] = static_cast<std::uint8_t>(a);
            if (sum[3] == 0) continue;
            for (int c = 0; c < 3; ++c) {
                const unsigned v = (sum[2 - c] * 255 + sum[3] / 2) / sum[3];
                o[c] = static_cast<std::uint8_t>(v > 255 ? 255 : v);
            }
        }
    }
    return out;
}

SurfacePtr surfaceFromImage(const Image& image) {
    SurfacePtr s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height));
    const int stride = cairo_image_surface_get_stride(s.get());
    unsigned char* data = cairo_image_surface_get_data(s.get());
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.at(x, y);
            const unsigned a = p[3];
            auto pm = [a](unsigned c) { return (c * a + 127) / 255; };
            row[x] = (a << 24) | (pm(p[0]) << 16) | (pm(p[1]) << 8) | pm(p[2]);
        }
    }
    cairo_surface_mark_dirty(s.get());
    return s;
}

void paintImage(cairo_t* cr, const Image& image, double x, double y, double alpha) {
    const SurfacePtr s = surfaceFromImage(image);
    cairo_save(cr);
    cairo_set_source_surface(cr, s.get(), x, y);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

}  // namespace tolvex::art
