#include <cmath>

#include "Glow.h"
#include "UiArt.h"

namespace tolvex::art {

namespace {

constexpr double kPi = 3.14159265358979;

// Dark glass: a deep blue body, a rim light, a soft inner sheen and a highlight from the top left.
Image menuSphere() {
    Canvas canvas(210, 210, 4);
    cairo_t* cr = canvas.cr();
    const double c = 105, r = 100;
    PatternPtr body(cairo_pattern_create_radial(c - 30, c - 35, 10, c, c, r));
    addStop(body.get(), 0, Color::hex(0x1c3450, 0.96));
    addStop(body.get(), 0.7, Color::hex(0x08121e, 0.96));
    addStop(body.get(), 1, Color::hex(0x02060c, 0.98));
    cairo_arc(cr, c, c, r, 0, 2 * kPi);
    cairo_set_source(cr, body.get());
    cairo_fill(cr);
    PatternPtr rim(cairo_pattern_create_radial(c, c, r - 14, c, c, r));
    addStop(rim.get(), 0, Color::hex(0x3cc8ff, 0));
    addStop(rim.get(), 0.8, Color::hex(0x3cc8ff, 0.25));
    addStop(rim.get(), 1, Color::hex(0x9ae4ff, 0.9));
    cairo_arc(cr, c, c, r, 0, 2 * kPi);
    cairo_set_source(cr, rim.get());
    cairo_fill(cr);
    PatternPtr sheen(cairo_pattern_create_linear(0, c - r, 0, c));
    addStop(sheen.get(), 0, Color::hex(0xffffff, 0.28));
    addStop(sheen.get(), 1, Color::hex(0xffffff, 0));
    cairo_save(cr);
    cairo_translate(cr, c - 8, c - 48);
    cairo_scale(cr, 70, 42);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_set_source(cr, sheen.get());
    cairo_fill(cr);
    setSource(cr, Color::hex(0x9ae4ff, 0.18));  // a faint equator line, like a lens ring
    cairo_set_line_width(cr, 1);
    cairo_save(cr);
    cairo_translate(cr, c, c);
    cairo_scale(cr, r - 6, (r - 6) * 0.28);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_stroke(cr);
    return canvas.image();
}

Image menuLabel(int w, int h, const std::string& text) {
    return glowingLabel(w, h, text, "DejaVuSansCondensed-Bold.ttf", 34, Color::hex(0xf0fbff),
                        Color::hex(0x38b8ff), 14);
}

// The menu pointer: an arrow whose tip sits at (3, 3).
Image menuPointer() {
    return glowingShape(25, 25, [](cairo_t* cr) {
        cairo_move_to(cr, 3, 3);
        cairo_line_to(cr, 19, 11);
        cairo_line_to(cr, 12, 13);
        cairo_line_to(cr, 9, 20);
        cairo_close_path(cr);
        cairo_fill(cr);
    }, Color::hex(0xe8f8ff), Color::hex(0x38b8ff), 2, 1.8);
}

// The first-run settings window: title on top, seven field slots, the key hints below.
Image optionBackground() {
    Canvas canvas(400, 300, 4);
    cairo_t* cr = canvas.cr();
    PatternPtr bg(cairo_pattern_create_linear(0, 0, 0, 300));
    addStop(bg.get(), 0, Color::hex(0x0e1a2c));
    addStop(bg.get(), 1, Color::hex(0x04070e));
    cairo_set_source(cr, bg.get());
    cairo_paint(cr);
    Rng rng(4242);
    for (int i = 0; i < 160; ++i) {  // a few distant stars
        setSource(cr, Color::hex(0xcfe6ff, rng.range(0.15, 0.7)));
        cairo_arc(cr, rng.range(0, 400), rng.range(0, 300), rng.range(0.3, 0.9), 0, 2 * kPi);
        cairo_fill(cr);
    }
    setSource(cr, Color::hex(0x3cc8ff, 0.7));
    cairo_set_line_width(cr, 1.5);
    cairo_rectangle(cr, 3, 3, 394, 294);
    cairo_stroke(cr);
    const int slots[][4] = {{10, 50, 380, 40}, {10, 100, 180, 40}, {210, 100, 180, 40}, {10, 150, 180, 40},
                            {210, 150, 180, 40}, {10, 200, 180, 40}, {210, 200, 180, 40}};
    for (const auto& s : slots) {
        cairo_rectangle(cr, s[0] - 2, s[1] - 2, s[2] + 4, s[3] + 4);
        setSource(cr, Color::hex(0x000000, 0.45));
        cairo_fill_preserve(cr);
        setSource(cr, Color::hex(0x3cc8ff, 0.35));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    const Image title = glowingLabel(400, 46, "TOLVEX  SETTINGS", "DejaVuSans-Bold.ttf", 22,
                                     Color::hex(0xf0fbff), Color::hex(0x38b8ff), 20);
    paintImage(cr, title, 0, 2);
    setFont(cr, "DejaVuSans.ttf", 12);
    setSource(cr, Color::hex(0x9ab8d8));
    centredTextPath(cr, "Enter: save and start      Esc: quit", 200, 272);
    cairo_fill(cr);
    return canvas.image();
}

}  // namespace

void writeMenuArt(const std::string& dir) {
    writePng(dir + "/OptionBG.png", optionBackground());
    writePng(dir + "/menue_kugel.png", menuSphere());
    writePng(dir + "/menue_start.png", menuLabel(196, 82, "Start"));
    writePng(dir + "/menue_highscore.png", menuLabel(210, 76, "Highscore"));
    writePng(dir + "/menue_quit.png", menuLabel(201, 89, "Quit"));
    writePng(dir + "/menue_onlineupdate.png", menuLabel(210, 76, "Online Update"));
    writePng(dir + "/menue_main.png", menuLabel(201, 89, "Main Menu"));
    writePng(dir + "/MouseMenue.png", menuPointer());
}

}  // namespace tolvex::art
