#pragma once

#include <cairo.h>

#include <memory>

#include "Image.h"

namespace tolvex::art {

// Deleter so Cairo objects can live in unique_ptrs.
struct CairoDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    void operator()(cairo_t* c) const { cairo_destroy(c); }
    void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, CairoDeleter>;
using ContextPtr = std::unique_ptr<cairo_t, CairoDeleter>;
using PatternPtr = std::unique_ptr<cairo_pattern_t, CairoDeleter>;

// A transparent Cairo ARGB drawing surface of width x height final pixels, drawn at `supersample`
// times the size; the context is pre-scaled so callers draw in final pixel units.
class Canvas {
public:
    Canvas(int width, int height, int supersample = 4);

    cairo_t* cr() const { return context_.get(); }
    cairo_surface_t* surface() const { return surface_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    int supersample() const { return supersample_; }

    // The picture at its final size: box-filtered down, un-premultiplied.
    Image image() const;

private:
    int width_;
    int height_;
    int supersample_;
    SurfacePtr surface_;
    ContextPtr context_;
};

// The straight-alpha pixels of a premultiplied ARGB32 surface, box-filtered down by `factor`.
Image imageFromSurface(cairo_surface_t* surface, int factor = 1);

// A premultiplied ARGB32 surface holding the image, for painting it with Cairo.
SurfacePtr surfaceFromImage(const Image& image);

// Paints `image` with its top-left at (x, y) in the context's current units.
void paintImage(cairo_t* cr, const Image& image, double x, double y, double alpha = 1.0);

}  // namespace tolvex::art
