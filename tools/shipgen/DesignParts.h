// Short builders for the pieces of a ship recipe, so each ship reads as a handful of lines.
#pragma once

#include <utility>
#include <vector>

#include "ShipDesign.h"

namespace tolvex::shipart {

// A smooth outline point.
inline Pt P(double x, double y) { return {x, y, false}; }
// A corner outline point.
inline Pt S(double x, double y) { return {x, y, true}; }

// The main body from a half outline (nose to tail, right side).
inline Part hull(std::vector<Pt> half, int seams = 0, Material m = Material::Hull, bool spine = true) {
    Part p;
    p.kind = ShapeKind::Hull;
    p.points = std::move(half);
    p.seams = seams;
    p.material = m;
    p.spine = spine;
    return p;
}

// A pair of wings (or fins, pods...) from the right-hand outline.
inline Part wing(std::vector<Pt> pts, Material m = Material::Second, int seams = 0) {
    Part p;
    p.kind = ShapeKind::Wing;
    p.points = std::move(pts);
    p.material = m;
    p.seams = seams;
    return p;
}

// A single, unmirrored piece.
inline Part freePart(std::vector<Pt> pts, Material m = Material::Second) {
    Part p;
    p.kind = ShapeKind::Free;
    p.points = std::move(pts);
    p.material = m;
    return p;
}

// An ellipse (a pair when off the axis).
inline Part ellipse(double x, double y, double rx, double ry, Material m = Material::Hull, bool spine = false) {
    Part p;
    p.kind = ShapeKind::Ellipse;
    p.x = x, p.y = y, p.w = rx, p.h = ry;
    p.material = m;
    p.spine = spine;
    return p;
}

// A cut-corner box (a pair when off the axis).
inline Part box(double x, double y, double hw, double hh, double cut, Material m = Material::Hull, int seams = 0) {
    Part p;
    p.kind = ShapeKind::Box;
    p.x = x, p.y = y, p.w = hw, p.h = hh, p.r = cut;
    p.material = m;
    p.seams = seams;
    return p;
}

// A crescent around (x, y), horns towards the nose (or the tail with `flip`).
inline Part crescent(double x, double y, double radius, double thickness, double halfSpanDeg, bool flip = false,
                     Material m = Material::Hull) {
    Part p;
    p.kind = ShapeKind::Crescent;
    p.x = x, p.y = y, p.w = radius, p.h = thickness, p.r = halfSpanDeg;
    p.flipCrescent = flip;
    p.material = m;
    return p;
}

// A painted band clipped to a part.
inline Deco stripe(std::vector<Pt> pts, Material m = Material::Trim, int onPart = 0, bool mirror = true) {
    Deco d;
    d.kind = DecoKind::Stripe;
    d.points = std::move(pts);
    d.material = m;
    d.onPart = onPart;
    d.mirror = mirror;
    return d;
}

// An engraved panel line.
inline Deco line(std::vector<Pt> pts, int onPart = -1, bool mirror = true) {
    Deco d;
    d.kind = DecoKind::Line;
    d.points = std::move(pts);
    d.onPart = onPart;
    d.mirror = mirror;
    return d;
}

// A column of vent slits.
inline Deco vents(double x, double y, int count, double spacing, double length, int onPart = -1) {
    Deco d;
    d.kind = DecoKind::Vents;
    d.x = x, d.y = y, d.w = spacing, d.h = length;
    d.count = count;
    d.onPart = onPart;
    return d;
}

// Hazard stripes over a box.
inline Deco hazard(double x, double y, double hw, double hh, int onPart = 0) {
    Deco d;
    d.kind = DecoKind::Hazard;
    d.x = x, d.y = y, d.w = hw, d.h = hh;
    d.onPart = onPart;
    return d;
}

// A star emblem.
inline Deco star(double x, double y, double r, int onPart = -1) {
    Deco d;
    d.kind = DecoKind::Star;
    d.x = x, d.y = y, d.w = r;
    d.onPart = onPart;
    return d;
}

// A glowing bio-light.
inline Deco spot(double x, double y, double r, int onPart = -1) {
    Deco d;
    d.kind = DecoKind::Spots;
    d.x = x, d.y = y, d.w = r;
    d.onPart = onPart;
    return d;
}

// A row of rivets.
inline Deco rivets(Pt from, Pt to, int count, int onPart = -1) {
    Deco d;
    d.kind = DecoKind::Rivets;
    d.points = {from, to};
    d.count = count;
    d.onPart = onPart;
    return d;
}

// An empty recipe of the given file, size and faction palette.
ShipDesign design(const char* file, int width, int height, const char* faction);

// The special edition of a base ship: its silhouette with the premium finish.
ShipDesign specialEdition(const ShipDesign& base, const char* file);

}  // namespace tolvex::shipart
