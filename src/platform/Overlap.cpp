#include "platform/Overlap.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

#include "platform/FourLanes.h"
#include "platform/Clock.h"

namespace tolvex {

namespace {

using Turn = PlacedImage::Turn;
using Box = PlacedImage::Box;
using SolidRect = PlacedImage::SolidRect;

// Hit tests turn the same few angles again and again (a shot keeps its heading, a ship
// meets every shot near it): recent sines and cosines are remembered, by the angle's bits.
Turn TurnOf(float degrees) {
  struct Entry {
    std::uint32_t bits = 0;
    bool used = false;
    Turn turn{};
  };
  static std::array<Entry, 256> recent;
  std::uint32_t bits;
  std::memcpy(&bits, &degrees, sizeof bits);
  Entry& entry = recent[(bits * 2654435761u) >> 24];
  if (!entry.used || entry.bits != bits) entry = Entry{bits, true, Turn{CosDeg(degrees), SinDeg(degrees)}};
  return entry.turn;
}

// How one frame coordinate runs along a pixel row: slope · (wx − x) + offset, where the
// offset moves with the row; kept with the slope's inverse for narrowing rows.
struct Axis {
  float slope, inverse, offsetPerRow, offset0;
  int low, high;  // the solid pixels lie in [low, high)
};

// The whole numbers from which a row's centres may be stepped four at a time: every centre
// and its neighbours are then exact, so each lane holds the value the one-by-one walk reaches.
constexpr float kExactSteps = 2097152.0f;  // 2^21

// The world-space box around the frame rectangle [u0, u1) × [v0, v1) of a placed image: its four
// corners placed at once, one a lane, then taken in order as one corner after the other would be.
Box BoxAround(const Image& image, const Placement& at, Turn turn, float u0, float v0, float u1, float v1) {
  const Lanes u = (Lanes{u0, u1, u0, u1} - image.HandleX()) * at.scaleX;
  const Lanes v = (Lanes{v0, v0, v1, v1} - image.HandleY()) * at.scaleY;
  const Lanes wx = at.x + u * turn.cos - v * turn.sin, wy = at.y + u * turn.sin + v * turn.cos;
  Box box;
  for (int corner = 0; corner < 4; ++corner) {
    box.minX = std::min(box.minX, wx[corner]), box.maxX = std::max(box.maxX, wx[corner]);
    box.minY = std::min(box.minY, wy[corner]), box.maxY = std::max(box.maxY, wy[corner]);
  }
  return box;
}

// The area of the box around a frame's solid pixels.
int SolidArea(const SolidMask& mask) { return (mask.right - mask.left) * (mask.bottom - mask.top); }

// The rectangle of a placed frame's solid pixels as it lies in the world.
SolidRect SolidRectOf(const Image& image, const SolidMask& mask, const Placement& at, Turn turn) {
  SolidRect rect;
  rect.cosR = turn.cos;
  rect.sinR = turn.sin;
  rect.halfU = static_cast<float>(mask.right - mask.left) * 0.5f * std::fabs(at.scaleX);
  rect.halfV = static_cast<float>(mask.bottom - mask.top) * 0.5f * std::fabs(at.scaleY);
  rect.flat = at.scaleX == 0 || at.scaleY == 0;
  const float u = (static_cast<float>(mask.left + mask.right) * 0.5f - image.HandleX()) * at.scaleX;
  const float v = (static_cast<float>(mask.top + mask.bottom) * 0.5f - image.HandleY()) * at.scaleY;
  rect.cx = at.x + u * rect.cosR - v * rect.sinR;
  rect.cy = at.y + u * rect.sinR + v * rect.cosR;
  return rect;
}

// How far a point found solid may lie outside its frame's solid rectangle, by the rounding of
// coordinates of the size of these two rectangles.
float RoundingSlack(const SolidRect& a, const SolidRect& b) {
  const float size = std::max(std::max(std::fabs(a.cx), std::fabs(a.cy)), std::max(std::fabs(b.cx), std::fabs(b.cy))) +
                     a.halfU + a.halfV + b.halfU + b.halfV;
  return 2.0f + size * 1e-5f;
}

// True when the two solid rectangles stand so far apart, along one of their own axes, that no
// point can be solid in both: every point found solid maps back inside its frame's solid
// rectangle up to rounding, so a gap wider than the rounding of these coordinates settles the
// test before a single row is walked. Anything not finite leaves the gap unproven.
bool Apart(const SolidRect& a, const SolidRect& b, float slack) {
  if (a.flat || b.flat) return false;
  const float dx = b.cx - a.cx, dy = b.cy - a.cy;
  // Along its own axes a rectangle reaches its half extents (up to a rounding the slack covers).
  const auto gap = [&](float nx, float ny, float ownReach, const SolidRect& other) {
    return std::fabs(dx * nx + dy * ny) - ownReach - other.Reach(nx, ny) > slack;
  };
  return gap(a.cosR, a.sinR, a.halfU, b) || gap(-a.sinR, a.cosR, a.halfV, b) || gap(b.cosR, b.sinR, b.halfU, a) ||
         gap(-b.sinR, b.cosR, b.halfV, a);
}

// Maps world points into one image's frame: the inverse of draw's rotate-and-scale about the handle.
struct FrameMapper {
  const Image& image;
  const SolidMask& mask;
  float x, y, cosR, sinR, invSX, invSY, width, height;
  Axis across, down;
  // The same numbers in all four lanes, for SolidAt4: worked out once, not in every row.
  struct {
    Lanes x, y, cosR, sinR, invSX, invSY, handleX, handleY, width, height;
  } four;

  explicit FrameMapper(const PlacedImage& placed) : FrameMapper(*placed.image, *placed.mask, placed.at, placed.turn) {}
  FrameMapper(const Image& img, const SolidMask& solid, const Placement& at, Turn turn)
      : image(img),
        mask(solid),
        x(at.x),
        y(at.y),
        cosR(turn.cos),
        sinR(turn.sin),
        invSX(at.scaleX != 0 ? 1.0f / at.scaleX : 0.0f),
        invSY(at.scaleY != 0 ? 1.0f / at.scaleY : 0.0f),
        width(static_cast<float>(solid.width)),
        height(static_cast<float>(solid.height)),
        across(MakeAxis(cosR * invSX, sinR * invSX, img.HandleX(), mask.left, mask.right)),
        down(MakeAxis(-sinR * invSY, cosR * invSY, img.HandleY(), mask.top, mask.bottom)),
        four{Spread(x), Spread(y), Spread(cosR), Spread(sinR), Spread(invSX), Spread(invSY), Spread(img.HandleX()),
             Spread(img.HandleY()), Spread(width), Spread(height)} {}

  static Lanes Spread(float value) { return Lanes{value, value, value, value}; }

  static Axis MakeAxis(float slope, float perRow, float handle, int low, int high) {
    return Axis{slope, std::fabs(slope) < 1e-6f ? 0.0f : 1.0f / slope, perRow, handle, low, high};
  }

  // False only when no solid pixel of this frame lies under the other frame's solid rectangle
  // grown by `slack`: every point solid in that frame lies within it, so none is solid in both.
  // The rectangle is mapped into this frame and the mask searched within its box, a pixel wider
  // for the rounding of the mapping; anything not finite leaves the answer open (true).
  bool SolidUnder(const SolidRect& rect, float slack) const {
    if (rect.flat || invSX == 0 || invSY == 0) return true;
    const float halfU = rect.halfU + slack, halfV = rect.halfV + slack;
    float uMin = 1e30f, uMax = -1e30f, vMin = 1e30f, vMax = -1e30f;
    for (const auto& [su, sv] : {std::pair{-halfU, -halfV}, {halfU, -halfV}, {-halfU, halfV}, {halfU, halfV}}) {
      const float dx = rect.cx + su * rect.cosR - sv * rect.sinR - x, dy = rect.cy + su * rect.sinR + sv * rect.cosR - y;
      const float u = (dx * cosR + dy * sinR) * invSX + image.HandleX();
      const float v = (-dx * sinR + dy * cosR) * invSY + image.HandleY();
      uMin = std::min(uMin, u), uMax = std::max(uMax, u);
      vMin = std::min(vMin, v), vMax = std::max(vMax, v);
    }
    if (!(uMin <= uMax) || !(vMin <= vMax)) return true;
    const int left = ColumnOrRow(uMin - 1.0f, mask.left, mask.right), right = ColumnOrRow(uMax + 1.0f, mask.left, mask.right);
    const int top = ColumnOrRow(vMin - 1.0f, mask.top, mask.bottom), bottom = ColumnOrRow(vMax + 1.0f, mask.top, mask.bottom);
    if (uMax + 1.0f < static_cast<float>(mask.left) || uMin - 1.0f >= static_cast<float>(mask.right)) return false;
    if (vMax + 1.0f < static_cast<float>(mask.top) || vMin - 1.0f >= static_cast<float>(mask.bottom)) return false;
    for (int row = top; row <= bottom; ++row) {
      if (RowSolid(row, left, right)) return true;
    }
    return false;
  }

  // Whether the world point falls on a solid pixel; a point beyond the frame (or one that is
  // not a number) reads pixel (0, 0) and is answered false.
  bool SolidAt(float wx, float wy) const {
    const float dx = wx - x, dy = wy - y;
    const float u = (dx * cosR + dy * sinR) * invSX + image.HandleX();
    const float v = (-dx * sinR + dy * cosR) * invSY + image.HandleY();
    const bool inside = (u >= 0.0f) & (v >= 0.0f) & (u < width) & (v < height);
    const int px = static_cast<int>(inside ? u : 0.0f), py = static_cast<int>(inside ? v : 0.0f);
    return inside & mask.At(px, py);
  }

  // SolidAt for the four points wx of the row wy at once: bit i of the answer is lane i's.
  // Each lane is computed with the very operations SolidAt makes, so the answers agree.
  unsigned SolidAt4(Lanes wx, float wy) const {
    const Lanes dy = wy - four.y;
    const Lanes dx = wx - four.x;
    const Lanes u = (dx * four.cosR + dy * four.sinR) * four.invSX + four.handleX;
    const Lanes v = (-dx * four.sinR + dy * four.cosR) * four.invSY + four.handleY;
    const Lanes zero = {0, 0, 0, 0};
    const LaneFlags inside = (u >= zero) & (v >= zero) & (u < four.width) & (v < four.height);
    // Lanes beyond the frame look at pixel (0, 0) and are answered false.
    const unsigned within = LaneBits(inside);
    if (within == 0) return 0;
    const auto px = __builtin_convertvector(std::bit_cast<Lanes>(std::bit_cast<LaneFlags>(u) & inside), LaneFlags);
    const auto py = __builtin_convertvector(std::bit_cast<Lanes>(std::bit_cast<LaneFlags>(v) & inside), LaneFlags);
    // Each lane's bit in the whole mask, all four at once (a row is wordsPerRow whole words, so
    // its word is the number over 64 and its bit the rest); then one load a lane.
    const LaneFlags at = py * (mask.wordsPerRow * 64) + px;
    const std::uint64_t* const bits = mask.bits.data();
    const auto solidAt = [&](int lane) { return static_cast<unsigned>(bits[at[lane] >> 6] >> (at[lane] & 63)) & 1u; };
    return (solidAt(0) | solidAt(1) << 1 | solidAt(2) << 2 | solidAt(3) << 3) & within;
  }

  // The pixel column (or row) of frame coordinate c, kept within the solid pixels [low, high).
  static int ColumnOrRow(float c, int low, int high) {
    return static_cast<int>(std::floor(std::clamp(c, static_cast<float>(low), static_cast<float>(high - 1))));
  }

  // Whether a pixel of mask row `row` from column `left` to `right` (both included) is solid.
  bool RowSolid(int row, int left, int right) const {
    const std::uint64_t* const words = mask.bits.data() + static_cast<std::ptrdiff_t>(row) * mask.wordsPerRow;
    for (int word = left >> 6; word <= right >> 6; ++word) {
      std::uint64_t bits = words[word];
      if (word == left >> 6) bits &= ~std::uint64_t{0} << (left & 63);
      if (word == right >> 6) bits &= ~std::uint64_t{0} >> (63 - (right & 63));
      if (bits != 0) return true;
    }
    return false;
  }
};

// The four axes of a pair's two frames side by side, so that a pixel row is narrowed to the x
// where both frames may be solid by all four at once. Outside that run a point maps beyond one
// frame's solid pixels' box; a pixel of slack covers rounding.
class RowNarrowing {
 public:
  RowNarrowing(const FrameMapper& first, const FrameMapper& second) {
    const Axis* const axes[] = {&first.across, &first.down, &second.across, &second.down};
    for (int lane = 0; lane < 4; ++lane) {
      const Axis& axis = *axes[lane];
      const FrameMapper& frame = lane < 2 ? first : second;
      // An axis level with the rows leaves the run as it is: its lane's ends lie at infinity.
      const bool level = axis.inverse == 0;
      fromX[lane] = level ? -kNoEnd : frame.x, toX[lane] = level ? kNoEnd : frame.x, frameY[lane] = frame.y;
      perRow[lane] = axis.offsetPerRow, offset0[lane] = axis.offset0, inverse[lane] = axis.inverse;
      low[lane] = static_cast<float>(axis.low), high[lane] = static_cast<float>(axis.high);
      levels[lane] = level ? -1 : 0;
    }
  }

  // Narrows [from, to) on the pixel row wy; false when nothing of it is left.
  bool Narrow(float wy, float& from, float& to) const {
    constexpr float kSlack = 1.0f;
    const Lanes offset = (wy - frameY) * perRow + offset0;
    // An axis level with the row keeps the whole row, or none of it when the row lies beyond
    // the solid pixels.
    if (LaneBits(levels & ((offset < low - kSlack) | (offset > high + kSlack))) != 0) return false;
    const Lanes a = (low - offset) * inverse, b = (high - offset) * inverse;
    // The smaller and the larger of a and b; where either is not a number, a and b as they are.
    const Lanes first = a > b ? b : a, last = a > b ? a : b;
    const Lanes froms = fromX + first - kSlack, tos = toX + last + kSlack;
    for (int lane = 0; lane < 4; ++lane) from = std::max(from, froms[lane]), to = std::min(to, tos[lane]);
    return from < to;
  }

 private:
  static constexpr float kNoEnd = std::numeric_limits<float>::infinity();
  Lanes fromX, toX, frameY, perRow, offset0, low, high, inverse;
  LaneFlags levels;  // set for an axis level with the rows (its coordinate does not change along one)
};

// True if a point of the run wx = start, start + 1, … (while wx < to and wx < right) on the
// row wy is solid in both frames.
bool RunOverlaps(const FrameMapper& first, const FrameMapper& second, float start, float to, float right, float wy) {
  for (float wx = start; wx < to && wx < right; wx += 1.0f) {
    if (first.SolidAt(wx, wy) && second.SolidAt(wx, wy)) return true;
  }
  return false;
}

// The same, four points at a time; only for runs within ±kExactSteps.
bool RunOverlapsFour(const FrameMapper& first, const FrameMapper& second, float start, float to, float right,
                     float wy) {
  const Lanes ends = {to, to, to, to}, rights = {right, right, right, right};
  // Whole steps from whole numbers and a half are exact here, so stepping all four lanes by four
  // reaches the very centres the one-by-one walk does.
  for (Lanes lanes = start + Lanes{0, 1, 2, 3};; lanes += 4.0f) {
    const unsigned inRun = LaneBits((lanes < ends) & (lanes < rights));
    if ((inRun & 1u) == 0) return false;
    // The second frame is looked at only where the first is solid.
    const unsigned solid = first.SolidAt4(lanes, wy) & inRun;
    if (solid != 0 && (solid & second.SolidAt4(lanes, wy)) != 0) return true;
  }
}

}  // namespace

float SolidRect::Reach(float nx, float ny) const {
  return halfU * std::fabs(nx * cosR + ny * sinR) + halfV * std::fabs(ny * cosR - nx * sinR);
}

PlacedImage::PlacedImage(const Image& placedImage, const Placement& placement)
    : PlacedImage(placedImage, placement, std::nullopt) {}

PlacedImage::PlacedImage(const Image& placedImage, const Placement& placement, std::optional<Turn> knownTurn)
    : image(&placedImage), at(placement) {
  if (!std::isfinite(at.x) || !std::isfinite(at.y) || !std::isfinite(at.rotation)) return;
  mask = &placedImage.Mask(at.frame);
  if (mask->right <= mask->left) return;
  testable = true;
  turn = knownTurn ? *knownTurn : TurnOf(at.rotation);
  solid = SolidRectOf(placedImage, *mask, at, turn);
}

const Box& PlacedImage::FrameBox() const {
  if (!boxesKnown_) {
    frameBox_ = BoxAround(*image, at, turn, 0, 0, static_cast<float>(image->Width()), static_cast<float>(image->Height()));
    solidBox_ = BoxAround(*image, at, turn, static_cast<float>(mask->left), static_cast<float>(mask->top),
                          static_cast<float>(mask->right), static_cast<float>(mask->bottom));
    boxesKnown_ = true;
  }
  return frameBox_;
}

const Box& PlacedImage::SolidBox() const {
  FrameBox();
  return solidBox_;
}

const PlacedImage& PlacedImageCache::Replace(const ImagePtr& image, const Placement& at) {
  placed_.emplace(*image, at);
  image_ = image;
  return *placed_;
}

bool ImagesOverlap(const Image& image1, float x1, float y1, int frame1, const Image& image2, float x2, float y2,
                   int frame2) {
  return ImagesOverlap(image1, Placement{x1, y1, frame1}, image2, Placement{x2, y2, frame2});
}

bool ImagesOverlap(const Image& image1, const Placement& at1, const Image& image2, const Placement& at2) {
  return ImagesOverlap(PlacedImage(image1, at1), PlacedImage(image2, at2));
}

bool ImagesOverlap(const PlacedImage& placed1, const PlacedImage& placed2) {
  if (!placed1.testable || !placed2.testable) return false;
  // Most pairs a hit test asks about are near misses, told apart by their solid rectangles alone.
  const float slack = RoundingSlack(placed1.solid, placed2.solid);
  if (Apart(placed1.solid, placed2.solid, slack)) return false;
  // The frame with the larger solid box is asked first: where the smaller one (a shot) is solid,
  // the larger one (a ship) is mostly empty in a near miss, and the other need not be asked.
  const bool largerFirst = SolidArea(*placed2.mask) > SolidArea(*placed1.mask);
  const PlacedImage& larger = largerFirst ? placed2 : placed1;
  const PlacedImage& smaller = largerFirst ? placed1 : placed2;
  const FrameMapper asked(larger);
  // Many more are told apart by the larger frame's mask alone: it has no solid pixel under the
  // smaller one's solid rectangle (a shot crossing an empty corner of a ship's box).
  if (!asked.SolidUnder(smaller.solid, slack)) return false;
  const FrameMapper then(smaller);
  const RowNarrowing narrowing(asked, then);
  // The pixel centres sampled are those of every screen pixel both frames' boxes share ...
  const Box& frame1 = placed1.FrameBox();
  const Box& frame2 = placed2.FrameBox();
  const float left = std::floor(std::max(frame1.minX, frame2.minX)), right = std::min(frame1.maxX, frame2.maxX);
  const float top = std::floor(std::max(frame1.minY, frame2.minY)), bottom = std::min(frame1.maxY, frame2.maxY);
  const Box& solid1 = placed1.SolidBox();
  const Box& solid2 = placed2.SolidBox();
  // ... but only the rows and runs where both may be solid are visited: the answer is the
  // same, and a shot's few solid pixels are all that is looked at.
  const float firstRow = std::max(top, std::floor(std::max(solid1.minY, solid2.minY)) - 1.0f);
  const float endRow = std::min(bottom, std::min(solid1.maxY, solid2.maxY) + 1.0f);
  const bool fourAtOnce = std::fabs(left) < kExactSteps && std::fabs(right) < kExactSteps;
  for (float wy = firstRow + 0.5f; wy < endRow; wy += 1.0f) {
    float from = left, to = right;
    if (!narrowing.Narrow(wy, from, to)) continue;
    const float start = std::max(left, std::floor(from) - 1.0f) + 0.5f;
    if (fourAtOnce ? RunOverlapsFour(asked, then, start, to, right, wy) : RunOverlaps(asked, then, start, to, right, wy)) {
      return true;
    }
  }
  return false;
}

}  // namespace tolvex
