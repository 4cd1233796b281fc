#include "platform/TurnedCopy.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "platform/Processor.h"
#include "platform/SpriteSpans.h"

namespace tolvex {

namespace {

constexpr int kOne = 1 << 16;  // one pixel in SDL's 16.16 fixed point
constexpr int kHalf = 1 << 15;

// Where a turned copy lands and how its rows walk through the picture, as SDL works it out.
struct TurnGeometry {
  SDL_Rect box{};     // the turned picture's box, relative to the copy's top-left
  int quarter = -1;   // 0..3 for whole quarter turns (pixels moved, never filtered), else -1
  int icos = 0, isin = 0;  // the picture step per screen pixel along a row, 16.16
};

// The box bounds the turned centres of the corner pixels; right angles get the exact size
// and trigonometry, which floating point would miss by a hair.
TurnGeometry Geometry(int width, int height, const Turn& turn) {
  const double radians = turn.angle * (std::numbers::pi / 180.0);
  const double sine = std::sin(radians), cosine = std::cos(radians);
  const double cx = turn.centre.x, cy = turn.centre.y;
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  bool first = true;
  for (const auto& [px, py] : {std::pair{0.5, 0.5}, {width - 0.5, 0.5}, {0.5, height - 0.5}, {width - 0.5, height - 0.5}}) {
    const double dx = px - cx, dy = py - cy;
    const double x = cosine * dx - sine * dy + cx, y = sine * dx + cosine * dy + cy;
    minX = first ? x : std::min(minX, x), maxX = first ? x : std::max(maxX, x);
    minY = first ? y : std::min(minY, y), maxY = first ? y : std::max(maxY, y);
    first = false;
  }
  TurnGeometry geometry;
  geometry.box.x = static_cast<int>(std::floor(minX));
  geometry.box.y = static_cast<int>(std::floor(minY));
  geometry.box.w = static_cast<int>(std::ceil(maxX)) - geometry.box.x;
  geometry.box.h = static_cast<int>(std::ceil(maxY)) - geometry.box.y;
  // Screen rows run downwards, so the walk back into the picture turns the other way.
  double sangle = -sine, cangle = cosine;
  const int quarters = static_cast<int>(turn.angle / 90);
  if (quarters == turn.angle / 90) {
    geometry.quarter = ((quarters % 4) + 4) % 4;
    const bool odd = geometry.quarter % 2 != 0;
    geometry.box.w = odd ? height : width;
    geometry.box.h = odd ? width : height;
    cangle = odd ? 0 : (geometry.quarter == 0 ? 1 : -1);
    sangle = !odd ? 0 : (geometry.quarter == 1 ? -1 : 1);
  }
  geometry.icos = static_cast<int>(cangle * 65536.0);
  geometry.isin = static_cast<int>(sangle * 65536.0);
  return geometry;
}

// One row of the turned box: the picture position of its first pixel and the step per pixel, 16.16.
struct RowWalk {
  int u = 0, v = 0;    // picture column and row
  int du = 0, dv = 0;
};

RowWalk Walk(const TurnGeometry& geometry, const PixelRect& picture, const Turn& turn, int row) {
  const int w = picture.width, h = picture.height;
  switch (geometry.quarter) {
    case 0: return {0, row * kOne, kOne, 0};
    case 1: return {row * kOne, (h - 1) * kOne, 0, -kOne};
    case 2: return {(w - 1) * kOne, (h - 1 - row) * kOne, -kOne, 0};
    case 3: return {(w - 1 - row) * kOne, 0, 0, kOne};
    default: break;
  }
  const int icos = geometry.icos, isin = geometry.isin;
  const double cx = turn.centre.x, cy = turn.centre.y;
  const int fixedX = static_cast<int>(cx * 65536.0), fixedY = static_cast<int>(cy * 65536.0);
  const double x = static_cast<double>(geometry.box.x) + 0.5 - cx;
  const double y = static_cast<double>(geometry.box.y) + row + 0.5 - cy;
  return {static_cast<int>((icos * x - isin * y) + fixedX - kHalf),
          static_cast<int>((isin * x + icos * y) + fixedY - kHalf), icos, isin};
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return -FloorDiv(-a, b); }

// Narrows [first, end) to the steps i at which start + i·step stays within [low, high].
void KeepWithin(std::int64_t start, std::int64_t step, std::int64_t low, std::int64_t high, int& first, int& end) {
  if (step == 0) {
    if (start < low || start > high) end = first;
    return;
  }
  const std::int64_t a = step > 0 ? CeilDiv(low - start, step) : CeilDiv(high - start, step);
  const std::int64_t b = step > 0 ? FloorDiv(high - start, step) : FloorDiv(low - start, step);
  first = static_cast<int>(std::max<std::int64_t>(first, a));
  end = static_cast<int>(std::min<std::int64_t>(end, b + 1));
}

// The positions along one axis, 16.16, whose pixel (and, filtered, the next one) lies inside
// the picture and touches its visible part: elsewhere the turned pixel is fully transparent.
struct Reach {
  std::int64_t low = 0, high = -1;
};

Reach ReachOf(int size, int visibleStart, int visibleSize, bool smooth) {
  if (visibleSize <= 0) visibleStart = 0, visibleSize = size;
  // Filtered, pixel i mixes in pixel i + 1, which must lie inside the picture.
  const int first = std::max(0, smooth ? visibleStart - 1 : visibleStart);
  const int last = std::min(smooth ? size - 2 : size - 1, visibleStart + visibleSize - 1);
  return {static_cast<std::int64_t>(first) * kOne, (static_cast<std::int64_t>(last) + 1) * kOne - 1};
}

#if defined(__clang__)
#define TOLVEX_PER_INSTRUCTION_SET
#else
#define TOLVEX_PER_INSTRUCTION_SET [[gnu::target_clones("avx2", "default")]]
#endif

using U8x8 = std::uint8_t __attribute__((vector_size(8)));
using U8x4 = std::uint8_t __attribute__((vector_size(4)));
using I32x8 = std::int32_t __attribute__((vector_size(32)));
using I32x4 = std::int32_t __attribute__((vector_size(16)));

// The four pixels around each position mixed by its fractions, each channel rounded down
// and cut to a byte at each step, as SDL's filtered turn does. Each pair of neighbours in a
// row is read at once, and both rows are mixed across in one go, then the two rows down.
TOLVEX_PER_INSTRUCTION_SET void SampleSmooth(std::uint32_t* out, int n, const PixelRect& picture, RowWalk walk) {
  constexpr std::uint64_t kAlphas = 0xFF000000FF000000ull;
  for (int i = 0; i < n; ++i, walk.u += walk.du, walk.v += walk.dv) {
    const std::uint32_t* p = picture.pixels + static_cast<std::ptrdiff_t>(walk.v >> 16) * picture.stride + (walk.u >> 16);
    std::uint64_t upper, lower;
    std::memcpy(&upper, p, sizeof upper);
    std::memcpy(&lower, p + picture.stride, sizeof lower);
    // Between four see-through pixels the mix is see-through too, and blending skips it.
    if (((upper | lower) & kAlphas) == 0) {
      out[i] = 0;
      continue;
    }
    U8x8 upperBytes, lowerBytes;
    std::memcpy(&upperBytes, &upper, sizeof upper);
    std::memcpy(&lowerBytes, &lower, sizeof lower);
    const I32x8 above = __builtin_convertvector(upperBytes, I32x8), below = __builtin_convertvector(lowerBytes, I32x8);
    const I32x8 left = __builtin_shufflevector(above, below, 0, 1, 2, 3, 8, 9, 10, 11);
    const I32x8 right = __builtin_shufflevector(above, below, 4, 5, 6, 7, 12, 13, 14, 15);
    const I32x8 across = ((((right - left) * (walk.u & 0xFFFF)) >> 16) + left) & 0xFF;
    const I32x4 top = __builtin_shufflevector(across, across, 0, 1, 2, 3);
    const I32x4 bottom = __builtin_shufflevector(across, across, 4, 5, 6, 7);
    const U8x4 mixed = __builtin_convertvector(((((bottom - top) * (walk.v & 0xFFFF)) >> 16) + top) & 0xFF, U8x4);
    std::memcpy(out + i, &mixed, sizeof mixed);
  }
}

#if defined(__x86_64__)
// The same filtered sampling, two turned pixels at a time with AVX2: each pixel's four neighbours
// fill one 128-bit half, split into 16-bit lanes of blue and red ("even") and of green and alpha
// ("odd"), mixed across and then down in 16-bit arithmetic that gives SDL's results exactly.

// l + ((r − l) · f >> 16) for f in 0..65535 (SDL's 16.16 fraction), with r − l in −255..255:
// the signed high product sees f − 65536 where f ≥ 32768, which the difference added back mends.
[[gnu::target("avx2")]] inline __m256i Mix16(__m256i l, __m256i r, __m256i f, __m256i fNegative) {
  const __m256i difference = _mm256_sub_epi16(r, l);
  const __m256i high = _mm256_mulhi_epi16(difference, f);
  return _mm256_add_epi16(_mm256_add_epi16(l, high), _mm256_and_si256(difference, fNegative));
}

// Lanes 0..3 of each half hold the upper-left, upper-right, lower-left and lower-right pixel's
// pair; the mixed pair comes out in lane 0.
[[gnu::target("avx2")]] inline __m256i Filter(__m256i quad, const __m256i (&fu)[2], const __m256i (&fv)[2]) {
  const __m256i right = _mm256_shuffle_epi32(quad, _MM_SHUFFLE(3, 3, 1, 1));
  const __m256i across = Mix16(quad, right, fu[0], fu[1]);
  const __m256i below = _mm256_shuffle_epi32(across, _MM_SHUFFLE(2, 2, 2, 2));
  return Mix16(across, below, fv[0], fv[1]);
}

[[gnu::target("avx2")]] inline __m128i Neighbours(const PixelRect& picture, int u, int v) {
  const std::uint32_t* p = picture.pixels + static_cast<std::ptrdiff_t>(v >> 16) * picture.stride + (u >> 16);
  std::int64_t lower;
  std::memcpy(&lower, p + picture.stride, sizeof lower);
  return _mm_insert_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)), lower, 1);
}

[[gnu::target("avx2")]] void SampleSmoothAvx2(std::uint32_t* out, int n, const PixelRect& picture, RowWalk walk) {
  // Each half's fractions, u in lane 0 and v in lane 1, spread over all of its 16-bit lanes.
  __m256i fractions = _mm256_setr_epi32(walk.u, walk.v, 0, 0, walk.u + walk.du, walk.v + walk.dv, 0, 0);
  const __m256i step = _mm256_setr_epi32(2 * walk.du, 2 * walk.dv, 0, 0, 2 * walk.du, 2 * walk.dv, 0, 0);
  const __m256i spreadU = _mm256_set1_epi16(0x0100), spreadV = _mm256_set1_epi16(0x0504);
  const __m256i low = _mm256_set1_epi16(0x00FF), alphas = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
  for (int i = 0; i < n; i += 2, walk.u += 2 * walk.du, walk.v += 2 * walk.dv) {
    // An odd last pixel is worked out twice over and written once.
    const int second = i + 1 < n ? 1 : 0;
    const __m256i quad = _mm256_set_m128i(Neighbours(picture, walk.u + second * walk.du, walk.v + second * walk.dv),
                                          Neighbours(picture, walk.u, walk.v));
    const __m256i u = _mm256_shuffle_epi8(fractions, spreadU), v = _mm256_shuffle_epi8(fractions, spreadV);
    fractions = _mm256_add_epi32(fractions, step);
    // Between see-through pixels the mix is see-through too, and blending skips it.
    if (_mm256_testz_si256(quad, alphas)) {
      out[i] = 0;
      if (second) out[i + 1] = 0;
      continue;
    }
    const __m256i fu[2] = {u, _mm256_srai_epi16(u, 15)}, fv[2] = {v, _mm256_srai_epi16(v, 15)};
    const __m256i even = Filter(_mm256_and_si256(quad, low), fu, fv);
    const __m256i odd = Filter(_mm256_srli_epi16(quad, 8), fu, fv);
    const __m256i mixed = _mm256_or_si256(even, _mm256_slli_epi16(odd, 8));
    out[i] = static_cast<std::uint32_t>(_mm256_cvtsi256_si32(mixed));
    if (second) out[i + 1] = static_cast<std::uint32_t>(_mm256_extract_epi32(mixed, 4));
  }
}

// The same again four turned pixels at a time with AVX-512, one pixel's neighbours in each 128-bit
// quarter; the last one to three pixels of a row go through the two-at-a-time path. (GCC 12 takes
// the "don't care" lanes some AVX-512 intrinsics start from for uninitialised values.)
#if !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

[[gnu::target("avx512bw")]] inline __m512i Mix16(__m512i l, __m512i r, __m512i f, __m512i fNegative) {
  const __m512i difference = _mm512_sub_epi16(r, l);
  const __m512i high = _mm512_mulhi_epi16(difference, f);
  return _mm512_add_epi16(_mm512_add_epi16(l, high), _mm512_and_si512(difference, fNegative));
}

[[gnu::target("avx512bw")]] inline __m512i Filter(__m512i quad, const __m512i (&fu)[2], const __m512i (&fv)[2]) {
  const __m512i right = _mm512_shuffle_epi32(quad, _MM_PERM_DDBB);
  const __m512i across = Mix16(quad, right, fu[0], fu[1]);
  const __m512i below = _mm512_shuffle_epi32(across, _MM_PERM_CCCC);
  return Mix16(across, below, fv[0], fv[1]);
}

[[gnu::target("avx512bw")]] void SampleSmoothAvx512(std::uint32_t* out, int n, const PixelRect& picture, RowWalk walk) {
  const int whole = n & ~3;
  __m512i fractions = _mm512_setr_epi32(walk.u, walk.v, 0, 0, walk.u + walk.du, walk.v + walk.dv, 0, 0,
                                        walk.u + 2 * walk.du, walk.v + 2 * walk.dv, 0, 0, walk.u + 3 * walk.du,
                                        walk.v + 3 * walk.dv, 0, 0);
  const __m512i step = _mm512_setr_epi32(4 * walk.du, 4 * walk.dv, 0, 0, 4 * walk.du, 4 * walk.dv, 0, 0, 4 * walk.du,
                                         4 * walk.dv, 0, 0, 4 * walk.du, 4 * walk.dv, 0, 0);
  const __m512i spreadU = _mm512_set1_epi16(0x0100), spreadV = _mm512_set1_epi16(0x0504);
  const __m512i low = _mm512_set1_epi16(0x00FF), alphas = _mm512_set1_epi32(static_cast<int>(0xFF000000u));
  const __m512i firsts = _mm512_setr_epi32(0, 4, 8, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  for (int i = 0; i < whole; i += 4, walk.u += 4 * walk.du, walk.v += 4 * walk.dv) {
    __m512i quad = _mm512_zextsi128_si512(Neighbours(picture, walk.u, walk.v));
    quad = _mm512_inserti32x4(quad, Neighbours(picture, walk.u + walk.du, walk.v + walk.dv), 1);
    quad = _mm512_inserti32x4(quad, Neighbours(picture, walk.u + 2 * walk.du, walk.v + 2 * walk.dv), 2);
    quad = _mm512_inserti32x4(quad, Neighbours(picture, walk.u + 3 * walk.du, walk.v + 3 * walk.dv), 3);
    const __m512i u = _mm512_shuffle_epi8(fractions, spreadU), v = _mm512_shuffle_epi8(fractions, spreadV);
    fractions = _mm512_add_epi32(fractions, step);
    // Between see-through pixels the mix is see-through too, and blending skips it.
    if (_mm512_test_epi32_mask(quad, alphas) == 0) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_setzero_si128());
      continue;
    }
    const __m512i fu[2] = {u, _mm512_srai_epi16(u, 15)}, fv[2] = {v, _mm512_srai_epi16(v, 15)};
    const __m512i even = Filter(_mm512_and_si512(quad, low), fu, fv);
    const __m512i odd = Filter(_mm512_srli_epi16(quad, 8), fu, fv);
    const __m512i mixed = _mm512_or_si512(even, _mm512_slli_epi16(odd, 8));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm512_castsi512_si128(_mm512_permutexvar_epi32(firsts, mixed)));
  }
  if (whole < n) SampleSmoothAvx2(out + whole, n - whole, picture, walk);
}
#if !defined(__clang__)
#pragma GCC diagnostic pop
#endif
#endif

// Filtered sampling, the fastest way this processor has.
void SampleFiltered(std::uint32_t* out, int n, const PixelRect& picture, RowWalk walk) {
#if defined(__x86_64__)
  if (kHasAvx512) return SampleSmoothAvx512(out, n, picture, walk);
  if (kHasAvx2) return SampleSmoothAvx2(out, n, picture, walk);
#endif
  SampleSmooth(out, n, picture, walk);
}

void SampleNearest(std::uint32_t* out, int n, const PixelRect& picture, RowWalk walk) {
  for (int i = 0; i < n; ++i, walk.u += walk.du, walk.v += walk.dv) {
    out[i] = picture.pixels[static_cast<std::ptrdiff_t>(walk.v >> 16) * picture.stride + (walk.u >> 16)];
  }
}

}  // namespace

SDL_Rect TurnedBox(int width, int height, const Turn& turn) { return Geometry(width, height, turn).box; }

namespace {

// An unturned copy (text, icons, planets): the picture's visible rows blended as they are, with no
// turn to work out per pixel. Blending a fully transparent pixel leaves the screen as it is, so
// the rows need not be trimmed to their visible pixels.
void BlitUnturned(SDL_Surface& target, const SDL_Rect& clip, const PixelRect& picture, int x, int y,
                  const TextureLook& look) {
  SDL_Rect area{x, y, picture.width, picture.height};
  if (picture.visible.w > 0) area = SDL_Rect{x + picture.visible.x, y + picture.visible.y, picture.visible.w, picture.visible.h};
  if (!SDL_IntersectRect(&area, &clip, &area)) return;
  auto* pixels = static_cast<std::uint8_t*>(target.pixels);
  for (int row = area.y; row < area.y + area.h; ++row) {
    auto* line = reinterpret_cast<std::uint32_t*>(pixels + static_cast<std::ptrdiff_t>(row) * target.pitch);
    const std::uint32_t* source = picture.pixels + static_cast<std::ptrdiff_t>(row - y) * picture.stride + (area.x - x);
    BlendSpanRow(line + area.x, source, area.w, look);
  }
}

}  // namespace

void BlitTurned(SDL_Surface& target, const SDL_Rect& clip, const PixelRect& picture, int x, int y, const Turn& turn,
                const TextureLook& look) {
  if (picture.width <= 0 || picture.height <= 0) return;
  const TurnGeometry geometry = Geometry(picture.width, picture.height, turn);
  if (geometry.quarter == 0) return BlitUnturned(target, clip, picture, x + geometry.box.x, y + geometry.box.y, look);
  const bool smooth = turn.smooth && geometry.quarter < 0;
  const Reach reachX = ReachOf(picture.width, picture.visible.x, picture.visible.w, smooth);
  const Reach reachY = ReachOf(picture.height, picture.visible.y, picture.visible.h, smooth);
  const int left = x + geometry.box.x, top = y + geometry.box.y;  // the box on the screen
  const int firstRow = std::max(0, clip.y - top), endRow = std::min(geometry.box.h, clip.y + clip.h - top);
  auto* pixels = static_cast<std::uint8_t*>(target.pixels);
  constexpr int kChunk = 256;
  std::uint32_t turned[kChunk];
  for (int row = firstRow; row < endRow; ++row) {
    const RowWalk walk = Walk(geometry, picture, turn, row);
    int first = std::max(0, clip.x - left), end = std::min(geometry.box.w, clip.x + clip.w - left);
    KeepWithin(walk.u, walk.du, reachX.low, reachX.high, first, end);
    KeepWithin(walk.v, walk.dv, reachY.low, reachY.high, first, end);
    auto* line = reinterpret_cast<std::uint32_t*>(pixels + static_cast<std::ptrdiff_t>(top + row) * target.pitch) + left;
    for (int i = first; i < end; i += kChunk) {
      const int n = std::min(kChunk, end - i);
      const RowWalk from{walk.u + i * walk.du, walk.v + i * walk.dv, walk.du, walk.dv};
      if (smooth) SampleFiltered(turned, n, picture, from);
      else SampleNearest(turned, n, picture, from);
      // Fully transparent pixels leave the screen as it is: the blend skips them.
      int begin = 0, stop = n;
      while (begin < stop && (turned[begin] >> 24) == 0) ++begin;
      while (stop > begin && (turned[stop - 1] >> 24) == 0) --stop;
      if (begin < stop) BlendSpanRow(line + i + begin, turned + begin, stop - begin, look);
    }
  }
}

}  // namespace tolvex
