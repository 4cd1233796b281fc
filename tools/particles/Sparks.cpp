#include <cmath>

#include "ArtKit.h"
#include "ParticleArt.h"

namespace tolvex::art {

void writeSparks(const std::string& dir) {
    Canvas canvas(12, 13, 8);
    cairo_t* cr = canvas.cr();
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Rng rng(991);
    const double cx = 6, cy = 6.5;
    for (int i = 0; i < 7; ++i) {
        const double a = i * 6.2832 / 7 + rng.range(-0.3, 0.3);
        const double r0 = rng.range(0.8, 2.0), r1 = rng.range(3.8, 5.6);
        PatternPtr streak(cairo_pattern_create_linear(cx + std::cos(a) * r0, cy + std::sin(a) * r0,
                                                      cx + std::cos(a) * r1, cy + std::sin(a) * r1));
        addStop(streak.get(), 0, Color::hex(0xffffff, 1.0));
        addStop(streak.get(), 1, Color::hex(0xffffff, 0.0));
        cairo_set_source(cr, streak.get());
        cairo_set_line_width(cr, rng.range(0.7, 1.1));
        cairo_move_to(cr, cx + std::cos(a) * r0, cy + std::sin(a) * r0);
        cairo_line_to(cr, cx + std::cos(a) * r1, cy + std::sin(a) * r1);
        cairo_stroke(cr);
    }
    PatternPtr core(cairo_pattern_create_radial(cx, cy, 0, cx, cy, 2.2));
    addStop(core.get(), 0, Color::hex(0xffffff, 1.0));
    addStop(core.get(), 1, Color::hex(0xffffff, 0.0));
    cairo_set_source(cr, core.get());
    cairo_paint(cr);
    writePng(dir + "/funken1.png", canvas.image());
}

}  // namespace tolvex::art
