// Turns the parts of a ship recipe into Cairo paths: smooth or cornered outlines, mirrored copies,
// ellipses, cut-corner boxes and crescents.
#pragma once

#include <cairo.h>

#include <vector>

#include "ShipDesign.h"

namespace tolvex::shipart {

// Adds the outline of a part (with its mirrored copy where it has one) to the current path.
void tracePart(cairo_t* cr, const Part& part);

// Adds a closed outline through the points; sharp points become corners, the rest a smooth curve.
void traceLoop(cairo_t* cr, const std::vector<Pt>& loop);

// The closed loop of a half outline mirrored about x = 0 (points on the axis are not doubled).
std::vector<Pt> mirroredLoop(const std::vector<Pt>& half);

// The same points mirrored about x = 0.
std::vector<Pt> mirrored(const std::vector<Pt>& points);

// The points of a crescent around (cx, cy): outer radius, thickness at the middle, half span in
// degrees; its horns point to the nose, or to the tail when `flip` is set.
std::vector<Pt> crescentPoints(double cx, double cy, double radius, double thickness, double halfSpanDeg,
                               bool flip);

}  // namespace tolvex::shipart
