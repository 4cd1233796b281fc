#include <cmath>

#include "Glow.h"
#include "UiArt.h"

namespace tolvex::art {

namespace {

constexpr double kPi = 3.14159265358979;
const Color kCyan = Color::hex(0x3cc8ff);

// The game's name in heavy letters with a cold metallic gradient and a dark edge.
void metalTitle(cairo_t* cr, double cx, double cy, double pixels, const std::string& text) {
    setFont(cr, "DejaVuSans-Bold.ttf", pixels);
    centredTextPath(cr, text, cx, cy);
    PatternPtr metal(cairo_pattern_create_linear(0, cy - pixels * 0.45, 0, cy + pixels * 0.4));
    addStop(metal.get(), 0, Color::hex(0xffffff));
    addStop(metal.get(), 0.45, Color::hex(0xb8d8f0));
    addStop(metal.get(), 0.5, Color::hex(0x5a7894));
    addStop(metal.get(), 1, Color::hex(0xd8ecff));
    cairo_set_source(cr, metal.get());
    cairo_fill_preserve(cr);
    setSource(cr, Color::hex(0x0a1828));
    cairo_set_line_width(cr, pixels * 0.03);
    cairo_stroke(cr);
}

// A tilted orbit ellipse behind the title.
void orbit(cairo_t* cr, double cx, double cy, double rx, double ry, double width) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -0.12);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

Image loadingLogo() {
    const int w = 600, h = 220;
    const Image ring = glowingShape(w, h, [](cairo_t* cr) { orbit(cr, 300, 112, 270, 58, 3); },
                                    Color::hex(0xbfeeff), kCyan, 6, 2.2);
    const Image titleGlow = glowingShape(w, h, [](cairo_t* cr) {
        setFont(cr, "DejaVuSans-Bold.ttf", 112);
        centredTextPath(cr, "TOLVEX", 300, 104);
        cairo_fill(cr);
    }, kCyan.withAlpha(0), kCyan, 9, 1.6);
    Canvas title(w, h, 4);
    metalTitle(title.cr(), 300, 104, 112, "TOLVEX");
    setFont(title.cr(), "DejaVuSans.ttf", 17);
    setSource(title.cr(), Color::hex(0xa8d8ff));
    centredTextPath(title.cr(), "S P A C E   C O M B A T", 300, 185);
    cairo_fill(title.cr());
    return over(title.image(), over(titleGlow, ring));
}

// The emblem: a ringed "T" inside a hexagonal badge.
void emblemPath(cairo_t* cr, double c, double r) {
    for (int i = 0; i < 6; ++i) {
        const double a = kPi / 6 + i * kPi / 3;
        if (i == 0) cairo_move_to(cr, c + r * std::cos(a), c + r * std::sin(a));
        else cairo_line_to(cr, c + r * std::cos(a), c + r * std::sin(a));
    }
    cairo_close_path(cr);
}

Image cornerBase() {
    const int s = 100;
    Canvas canvas(s, s, 4);
    cairo_t* cr = canvas.cr();
    emblemPath(cr, 50, 44);
    PatternPtr plate(cairo_pattern_create_linear(10, 10, 90, 90));
    addStop(plate.get(), 0, Color::hex(0x3a5a7a, 0.95));
    addStop(plate.get(), 1, Color::hex(0x0a1420, 0.95));
    cairo_set_source(cr, plate.get());
    cairo_fill_preserve(cr);
    setSource(cr, Color::hex(0x9ad8ff));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    metalTitle(cr, 50, 52, 58, "T");
    setSource(cr, Color::hex(0x9ad8ff, 0.8));
    orbit(cr, 50, 52, 40, 12, 1.6);
    return canvas.image();
}

Image cornerGlow() {
    return glowingShape(100, 100, [](cairo_t* cr) {
        emblemPath(cr, 50, 42);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        setFont(cr, "DejaVuSans-Bold.ttf", 58);
        centredTextPath(cr, "T", 50, 52);
        cairo_fill(cr);
    }, Color::hex(0xe8fbff, 0.9), kCyan, 4, 2.5);
}

}  // namespace

void writeLogos(const std::string& dir) {
    writePng(dir + "/Logo.png", loadingLogo());
    writePng(dir + "/Logo2a.png", cornerBase());
    writePng(dir + "/Logo2b.png", cornerGlow());
}

}  // namespace tolvex::art
