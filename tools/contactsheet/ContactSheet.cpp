#include "ContactSheet.h"

#include <algorithm>
#include <cmath>

#include "ArtKit.h"

namespace tolvex::art {

namespace {

constexpr int kGap = 14;
constexpr int kLabel = 30;

// Where one entry goes and how large it is drawn.
struct Placement {
    double x, y, scale, stretch;  // stretch: extra vertical scale so 1-px gradients show as bands
};

double displayScale(const Image& img, int maxCell, double zoom) {
    const double fit = static_cast<double>(maxCell) / std::max(img.width, img.height);
    return std::min(zoom, fit);
}

double verticalStretch(const Image& img, double scale) { return img.height * scale < 16 ? 16 / (img.height * scale) : 1; }

std::vector<Placement> layout(const std::vector<SheetEntry>& entries, int sheetWidth, int maxCell, double zoom,
                              double& height) {
    std::vector<Placement> out;
    double x = kGap, y = kGap, rowHeight = 0;
    for (const SheetEntry& e : entries) {
        const double s = displayScale(e.image, maxCell, zoom);
        const double w = std::max(e.image.width * s, 120.0);
        const double h = e.image.height * s * verticalStretch(e.image, s) + kLabel;
        if (x + w > sheetWidth - kGap && x > kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        out.push_back({x, y, s, verticalStretch(e.image, s)});
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    height = y + rowHeight + kGap;
    return out;
}

void drawChecks(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (int j = 0; j * 8 < h; ++j) {
        for (int i = 0; i * 8 < w; ++i) {
            setSource(cr, Color::hex((i + j) % 2 ? 0x1b1e26 : 0x252935));
            cairo_rectangle(cr, x + i * 8, y + j * 8, 8, 8);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

void drawEntry(cairo_t* cr, const SheetEntry& e, const Placement& p) {
    const double w = e.image.width * p.scale, h = e.image.height * p.scale * p.stretch;
    drawChecks(cr, p.x, p.y, w, h);
    const SurfacePtr s = surfaceFromImage(e.image);
    cairo_save(cr);
    cairo_translate(cr, p.x, p.y);
    cairo_scale(cr, p.scale, p.scale * p.stretch);
    cairo_set_source_surface(cr, s.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), p.scale > 1 || p.stretch > 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    setFont(cr, "DejaVuSans.ttf", 11);
    setSource(cr, Color::hex(0xd8dce8));
    textPath(cr, e.name, p.x, p.y + h + 13);
    cairo_fill(cr);
    setSource(cr, Color::hex(0x8890a8));
    std::string size = std::to_string(e.image.width) + " x " + std::to_string(e.image.height);
    if (p.scale != 1.0) size += "  (shown at " + std::to_string(static_cast<int>(std::lround(p.scale * 100))) + "%)";
    textPath(cr, size, p.x, p.y + h + 26);
    cairo_fill(cr);
}

}  // namespace

Image makeContactSheet(const std::vector<SheetEntry>& entries, int sheetWidth, int maxCell, double zoom) {
    double height = 0;
    const std::vector<Placement> places = layout(entries, sheetWidth, maxCell, zoom, height);
    Canvas canvas(sheetWidth, static_cast<int>(std::ceil(height)), 1);
    cairo_t* cr = canvas.cr();
    setSource(cr, Color::hex(0x0c0e13));
    cairo_paint(cr);
    for (std::size_t i = 0; i < entries.size(); ++i) drawEntry(cr, entries[i], places[i]);
    return canvas.image();
}

}  // namespace tolvex::art
