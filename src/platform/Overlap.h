#pragma once
// Pixel-exact overlap of two images placed by their handles.
#include "platform/Image.h"

namespace tolvex {

// Where and how an image is placed for an overlap test.
struct Placement {
  float x = 0, y = 0;
  int frame = 0;
  float rotation = 0;
  float scaleX = 1, scaleY = 1;
};

// True if a solid pixel (alpha >= 128) of the first image covers a solid pixel of the second.
bool ImagesOverlap(const Image& image1, float x1, float y1, int frame1, const Image& image2, float x2,
                   float y2, int frame2);
// The same with rotation and scale for each image (hit tests).
bool ImagesOverlap(const Image& image1, const Placement& at1, const Image& image2, const Placement& at2);

}  // namespace tolvex
