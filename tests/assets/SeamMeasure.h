#pragma once

#include "ArtKit.h"

namespace tolvex::test {

// How strongly a tiled image jumps where one copy meets the next: the mean absolute difference
// across the wrap-around edge (last column to first, or last row to first) divided by the largest
// such difference between any two neighbouring columns (rows) inside the image. Colour is
// weighted by alpha, so invisible pixels do not count. In a seamless tile the wrap-around pair is
// just one more pair of neighbours, so the ratio stays at or below 1; an edge between unrelated
// columns differs by the picture's whole contrast and lands well above.
double seamRatio(const art::Image& img, bool horizontalWrap);

}  // namespace tolvex::test
