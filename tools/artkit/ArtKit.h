// The artwork kit shared by every build-time image generator.
//
// Quick reference (everything is in namespace tolvex::art):
//   Image            straight-alpha RGBA8 pixels; at(x, y) gives a pointer to 4 bytes.
//   Canvas c(w, h, 4) Cairo surface drawn at 4x; c.cr() is already scaled, so draw in final
//                    pixel units; c.image() box-filters down and un-premultiplies.
//   writePng / writeJpeg / readImage   files (PNG straight alpha, JPEG RGB), deterministic bytes.
//   Rng r(seed)      splitmix64: next(), uniform(), range(a, b), below(n), normal().
//   TileNoise n(seed) periodic gradient noise: n.noise(x, y, px, py) in about [-1, 1] repeating
//                    every px, py lattice units; n.fbm(x, y, px, py, octaves) doubles the period
//                    per octave so the sum stays periodic. Map pixel x to x * px / width.
//   FloatImage       premultiplied float RGBA for per-pixel work; boxBlur(img, r, passes, wrap),
//                    toImage(), fromImage(); addGlow() brightens around bright pixels.
//   renderField(w, h, samples, shader)  antialiased per-pixel art from a Color(x, y) function.
//   Color            double RGBA; Color::hex(0xRRGGBB), mix(a, b, t), ColorRamp{stops}.at(t),
//                    setSource(cr, c), addStop(pattern, offset, c).
//   Text             setFont(cr, "DejaVuSans-Bold.ttf", px), textPath / centredTextPath (fonts-dejavu-core).
//
// Build: in a generator's CMakeLists.txt write
//   include(${PROJECT_SOURCE_DIR}/cmake/ArtGenerator.cmake)
//   tolvex_add_art_generator(my_gen main.cpp ...)
// The program gets the output folder (TOLVEX_GFX_DIR) as argv[1] and reruns when it is rebuilt.
#pragma once

#include "Canvas.h"
#include "Color.h"
#include "Field.h"
#include "Filters.h"
#include "ImageFile.h"
#include "Noise.h"
#include "Rng.h"
#include "Text.h"
#include "GeneratorMain.h"
