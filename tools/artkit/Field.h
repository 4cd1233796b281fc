#pragma once

#include <functional>

#include "Color.h"
#include "Filters.h"
#include "Image.h"

namespace tolvex::art {

// A colour as a function of the continuous position (x, y) in pixel units (pixel centres at +0.5).
using Shader = std::function<Color(double x, double y)>;

// Evaluates `shade` on a samples x samples grid inside every pixel and averages (premultiplied):
// antialiased procedural sprites such as flashes, glows and planets.
FloatImage renderField(int width, int height, int samples, const Shader& shade);

}  // namespace tolvex::art
