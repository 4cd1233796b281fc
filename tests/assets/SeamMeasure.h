#pragma once

#include "ArtKit.h"

namespace tolvex::test {

// How strongly a tiled image jumps where one copy meets the next, relative to the image's own
// texture: the mean absolute difference across the wrap-around edge (last column to first, or
// last row to first) divided by the mean difference between the neighbouring columns (rows) just
// beside the edge, on both sides.
// Colour is weighted by alpha, so invisible pixels do not count. About 1 means "looks like any
// other pair of neighbours"; a real seam between unrelated edges gives several times that.
double seamRatio(const art::Image& img, bool horizontalWrap);

}  // namespace tolvex::test
