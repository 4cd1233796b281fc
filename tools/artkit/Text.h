#pragma once

#include <cairo.h>

#include <string>

namespace tolvex::art {

// Folder of the DejaVu faces (Debian packages fonts-dejavu-core and, for the condensed faces,
// fonts-dejavu-extra).
inline constexpr const char* kDejaVuDir = "/usr/share/fonts/truetype/dejavu/";

// Selects a DejaVu face by file name (e.g. "DejaVuSans-Bold.ttf") at `pixels` size on the context.
// Faces are loaded once and kept for the life of the program. Hinting is off, so text looks the
// same at any supersampling.
void setFont(cairo_t* cr, const std::string& fileName, double pixels);

// Adds the text's outline to the current path, its ink box centred on (cx, cy).
void centredTextPath(cairo_t* cr, const std::string& text, double cx, double cy);

// Adds the text's outline with its baseline starting at (x, y).
void textPath(cairo_t* cr, const std::string& text, double x, double y);

}  // namespace tolvex::art
