#include "platform/StretchedCopy.h"

#include "platform/TurnedCopy.h"

namespace tolvex {

namespace {

constexpr int kWeightBits = 7;
constexpr int kWhole = 1 << kWeightBits;  // a weight of one

// How the pixels of one axis walk through the source, in 16.16 fixed point: where the first
// pixel's centre falls (less half a pixel), the step per pixel, and how many pixels at each
// end fall before the first source pixel or on (or past) the last, and take it alone.
struct Axis {
  int start = 0, step = 0;
  int before = 0, after = 0;
};

// The source column or row of a position, and its 7-bit weight towards the next one.
int Whole(int position) { return static_cast<int>(static_cast<std::uint32_t>(position) >> 16); }
int Weight(int position) { return (position >> (16 - kWeightBits)) & (kWhole - 1); }

Axis AxisOf(int source, int size) {
  Axis axis;
  axis.step = static_cast<int>((static_cast<std::uint32_t>(source) << 16) / static_cast<std::uint32_t>(size));
  // Half a step, rounded to the nearest 1/65536, is the first centre; SDL takes half a pixel off.
  axis.start = static_cast<int>((static_cast<std::int64_t>(axis.step) * 0x8000 + 0x8000) >> 16) - 0x8000;
  int position = axis.start;
  for (int i = 0; i < size; ++i, position += axis.step) {
    if (position < 0) ++axis.before;
    else if (Whole(position) > source - 2) ++axis.after;
  }
  return axis;
}

// One channel: down each of the two columns by the row weight, then across by the column weight.
std::uint32_t Mix(std::uint32_t upperLeft, std::uint32_t upperRight, std::uint32_t lowerLeft, std::uint32_t lowerRight,
                  int across, int down) {
  std::uint32_t pixel = 0;
  const auto keepDown = static_cast<std::uint32_t>(kWhole - down), towardsDown = static_cast<std::uint32_t>(down);
  const auto keepAcross = static_cast<std::uint32_t>(kWhole - across), towardsAcross = static_cast<std::uint32_t>(across);
  for (int shift = 0; shift < 32; shift += 8) {
    const std::uint32_t left = ((upperLeft >> shift) & 255) * keepDown + ((lowerLeft >> shift) & 255) * towardsDown;
    const std::uint32_t right = ((upperRight >> shift) & 255) * keepDown + ((lowerRight >> shift) & 255) * towardsDown;
    pixel |= ((left * keepAcross + right * towardsAcross) >> (2 * kWeightBits)) << shift;
  }
  return pixel;
}

}  // namespace

bool CanStretch(const PixelRect& picture, int width, int height) {
  constexpr int kLargest = 1 << 14;  // far from where the 16.16 positions would overflow
  return picture.pixels && picture.width >= 2 && picture.height >= 2 && picture.width < kLargest &&
         picture.height < kLargest && width > 0 && height > 0 && width < kLargest && height < kLargest;
}

void StretchPicture(const PixelRect& picture, Pixmap& out) {
  const Axis across = AxisOf(picture.width, out.width), down = AxisOf(picture.height, out.height);
  int row = down.start;
  for (int y = 0; y < out.height; ++y, row += down.step) {
    // Rows past either end take the end row alone.
    const bool inside = y >= down.before && y < out.height - down.after;
    const int top = inside ? Whole(row) : (y < down.before ? 0 : picture.height - 1);
    const int weight = inside ? Weight(row) : 0;
    const std::uint32_t* upper = picture.pixels + static_cast<std::ptrdiff_t>(top) * picture.stride;
    const std::uint32_t* lower = inside ? upper + picture.stride : upper;
    std::uint32_t* line = &out.At(0, y);
    int column = across.start + across.before * across.step;
    for (int x = 0; x < out.width; ++x) {
      if (x < across.before) {
        line[x] = Mix(upper[0], upper[1], lower[0], lower[1], 0, weight);
      } else if (x >= out.width - across.after) {
        const int last = picture.width - 2;
        line[x] = Mix(upper[last], upper[last + 1], lower[last], lower[last + 1], kWhole, weight);
      } else {
        const int left = Whole(column);
        line[x] = Mix(upper[left], upper[left + 1], lower[left], lower[left + 1], Weight(column), weight);
        column += across.step;
      }
    }
  }
}

}  // namespace tolvex
