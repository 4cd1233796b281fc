#pragma once

#include "ArtKit.h"

namespace tolvex::art {

// Dims the brightest patches of a tiling image towards the brightness of its other bright ones.
// A tile is seen side by side with its copies: one cloud much brighter than the rest would show up
// at the same place in every copy and give the repeat away. Brightness is measured blurred over
// `radius` pixels (wrapping around the edges, so the image keeps tiling); patches above the
// `quantile` of that measure keep (quantile value / patch value)^`strength` of their light.
// Premultiplied pixels are scaled as a whole, so colours keep their hue and layers their look.
void evenOutBrightPatches(FloatImage& image, int radius, double quantile, double strength);

}  // namespace tolvex::art
