#include "Text.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <stdexcept>

namespace tolvex::art {

namespace {

// The FreeType library and the faces loaded so far; they live until the program ends.
struct FaceCache {
    FT_Library library = nullptr;
    std::map<std::string, cairo_font_face_t*> faces;

    FaceCache() {
        if (FT_Init_FreeType(&library) != 0) throw std::runtime_error("FreeType does not start");
    }

    cairo_font_face_t* get(const std::string& fileName) {
        if (auto it = faces.find(fileName); it != faces.end()) return it->second;
        FT_Face face = nullptr;
        const std::string path = std::string(kDejaVuDir) + fileName;
        if (FT_New_Face(library, path.c_str(), 0, &face) != 0) throw std::runtime_error("no font " + path);
        cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(face, FT_LOAD_NO_HINTING);
        faces.emplace(fileName, cf);
        return cf;
    }
};

FaceCache& cache() {
    static FaceCache c;
    return c;
}

}  // namespace

void setFont(cairo_t* cr, const std::string& fileName, double pixels) {
    cairo_set_font_face(cr, cache().get(fileName));
    cairo_set_font_size(cr, pixels);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

void centredTextPath(cairo_t* cr, const std::string& text, double cx, double cy) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    textPath(cr, text, cx - e.x_bearing - e.width / 2, cy - e.y_bearing - e.height / 2);
}

void textPath(cairo_t* cr, const std::string& text, double x, double y) {
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
}

}  // namespace tolvex::art
