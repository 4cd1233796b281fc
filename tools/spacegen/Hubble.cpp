#include "ArtKit.h"
#include "Planets.h"

namespace tolvex::art {

namespace {

// One solar wing: a dark blue cell grid in a thin silver frame.
void solarWing(cairo_t* cr, double x, double y, double w, double h) {
    PatternPtr cells(cairo_pattern_create_linear(x, y, x + w, y + h));
    addStop(cells.get(), 0, Color::hex(0x4a7ad8));
    addStop(cells.get(), 1, Color::hex(0x1a2a6a));
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, cells.get());
    cairo_fill_preserve(cr);
    setSource(cr, Color::hex(0xc8ccd8));
    cairo_set_line_width(cr, 0.5);
    cairo_stroke(cr);
    setSource(cr, Color::hex(0x8ab0ff, 0.5));
    cairo_set_line_width(cr, 0.3);
    for (int i = 1; i < 4; ++i) {
        cairo_move_to(cr, x + w * i / 4, y);
        cairo_line_to(cr, x + w * i / 4, y + h);
    }
    cairo_move_to(cr, x, y + h / 2);
    cairo_line_to(cr, x + w, y + h / 2);
    cairo_stroke(cr);
}

}  // namespace

void writeHubble(const std::string& dir) {
    Canvas canvas(38, 28, 8);
    cairo_t* cr = canvas.cr();
    cairo_translate(cr, 19, 14);
    cairo_rotate(cr, -0.35);
    solarWing(cr, -18, -4.5, 10, 9);
    solarWing(cr, 8, -4.5, 10, 9);
    setSource(cr, Color::hex(0x9098a8));
    cairo_rectangle(cr, -8.5, -0.4, 17, 0.8);  // wing boom
    cairo_fill(cr);
    PatternPtr body(cairo_pattern_create_linear(0, -5, 0, 5));
    addStop(body.get(), 0, Color::hex(0xf4f4f8));
    addStop(body.get(), 0.45, Color::hex(0xb8bcc8));
    addStop(body.get(), 1, Color::hex(0x50545e));
    cairo_rectangle(cr, -6, -5, 11, 10);
    cairo_set_source(cr, body.get());
    cairo_fill(cr);
    cairo_rectangle(cr, 5, -4, 3, 8);  // aperture end
    setSource(cr, Color::hex(0x6a6e7a));
    cairo_fill(cr);
    cairo_arc(cr, 8, 0, 3.2, -1.57, 1.57);  // open door
    setSource(cr, Color::hex(0xd0d4dc));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    setSource(cr, Color::hex(0xffd070));
    cairo_rectangle(cr, -6, -5, 2, 10);  // gold foil band
    cairo_fill(cr);
    setSource(cr, Color::hex(0x30343c, 0.6));
    cairo_set_line_width(cr, 0.3);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, -2 + i * 2.5, -5);
        cairo_line_to(cr, -2 + i * 2.5, 5);
    }
    cairo_stroke(cr);
    writePng(dir + "/Hubble.png", canvas.image());
}

}  // namespace tolvex::art
