#include "platform/SpriteSpans.h"

#include <algorithm>
#include <cstring>

namespace tolvex {

SpriteSpans::SpriteSpans(const std::uint32_t* pixels, int stride, int width, int height, Storage storage)
    : width_(width), spans_(static_cast<std::size_t>(std::max(0, height))) {
  for (int y = 0; y < Height(); ++y) {
    const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
    Span& span = spans_[static_cast<std::size_t>(y)];
    span.begin = 0;
    while (span.begin < width && (row[span.begin] >> 24) == 0) ++span.begin;
    span.end = width;
    while (span.end > span.begin && (row[span.end - 1] >> 24) == 0) --span.end;
    visible_ += span.end - span.begin;
    if (span.begin < span.end) {
      const SDL_Rect line{span.begin, y, span.end - span.begin, 1};
      if (box_.w == 0) box_ = line;
      else SDL_UnionRect(&box_, &line, &box_);
    }
    if (storage == Storage::Refer) {
      span.offset = static_cast<std::ptrdiff_t>(y) * stride;
    } else {
      span.offset = static_cast<std::ptrdiff_t>(copy_.size()) - span.begin;
      copy_.insert(copy_.end(), row + span.begin, row + span.end);
    }
  }
  base_ = storage == Storage::Refer ? pixels : copy_.data();
}

bool SpansCanBlend(SDL_BlendMode blend) { return blend == SDL_BLENDMODE_BLEND || blend == SDL_BLENDMODE_ADD; }

namespace {

constexpr int kRowsAhead = 4;

// One clipped row of a sprite: n pixels from src blended onto the screen at dst.
struct BlitRow {
  std::uint32_t* dst = nullptr;
  const std::uint32_t* src = nullptr;
  int n = 0;
};

// Where the rows of a sprite land on the screen, clipped, worked out once per sprite.
struct SpanBlit {
  SpanBlit(SDL_Surface& target, const SDL_Rect& clip, const SpriteSpans& spans, int x, int y)
      : screen(static_cast<std::uint8_t*>(target.pixels)),
        pitch(target.pitch),
        sprite(spans),
        x(x),
        y(y),
        top(std::max(y, clip.y)),
        bottom(std::min(y + spans.Height(), clip.y + clip.h)),
        left(clip.x - x),
        right(clip.x + clip.w - x) {}

  // Screen row `row` (top <= row < bottom); n is 0 where nothing of the sprite shows.
  [[gnu::always_inline]] BlitRow Row(int row) const {
    const SpriteSpans::Span span = sprite.RowSpan(row - y);
    const int begin = std::max(span.begin, left), end = std::min(span.end, right);
    if (begin >= end) return {};
    auto* line = reinterpret_cast<std::uint32_t*>(screen + static_cast<std::ptrdiff_t>(row) * pitch);
    return {line + x + begin, sprite.At(begin, row - y), end - begin};
  }

  // Before row `row` is blended, asks for the pixels of the row kRowsAhead on (and, before the
  // first row, for the rows up to there): the screen and the effects' many turned copies are
  // larger than the caches.
  [[gnu::always_inline]] void PrefetchFor(int row) const {
    if (row == top) {
      for (int first = top; first < std::min(top + kRowsAhead, bottom); ++first) Prefetch(first);
    }
    if (row + kRowsAhead < bottom) Prefetch(row + kRowsAhead);
  }

  // Asks for one row's pixels, the sprite's and the screen's.
  [[gnu::always_inline]] void Prefetch(int row) const {
    const BlitRow line = Row(row);
    constexpr int kPixelsPerLine = 64 / sizeof(std::uint32_t);  // a cache line
    for (int i = 0; i < line.n; i += kPixelsPerLine) {
      __builtin_prefetch(line.src + i);
      __builtin_prefetch(line.dst + i, 1);
    }
    if (line.n <= 0) return;
    __builtin_prefetch(line.src + line.n - 1);
    __builtin_prefetch(line.dst + line.n - 1, 1);
  }

  std::uint8_t* screen;
  std::ptrdiff_t pitch;
  const SpriteSpans& sprite;
  int x, y;
  int top, bottom;   // the screen rows drawn on
  int left, right;   // the clip in sprite columns
};

#if defined(__clang__)
// clang passes no 32-byte vector between functions built without AVX, so its builds (the fuzzers)
// take this plain path: the same arithmetic as the vector rows below, one channel at a time.
inline std::uint32_t Div255(std::uint32_t x) { return (x + 1 + (x >> 8)) >> 8; }

template <bool kAdd>
void ModulatedRow(std::uint32_t* dst, const std::uint32_t* src, int n, SDL_Color colour) {
  const std::uint32_t mod[4] = {colour.b, colour.g, colour.r, colour.a};
  for (int i = 0; i < n; ++i) {
    std::uint32_t modulated[4];
    for (int c = 0; c < 4; ++c) modulated[c] = Div255(((src[i] >> (8 * c)) & 255) * mod[c]);
    const std::uint32_t alpha = modulated[3];
    std::uint32_t out = 0;
    for (int c = 0; c < 4; ++c) {
      const std::uint32_t pixel = (dst[i] >> (8 * c)) & 255;
      const std::uint32_t source = c == 3 ? alpha : Div255(modulated[c] * alpha);
      const std::uint32_t value = kAdd ? std::min<std::uint32_t>(255, pixel + (c == 3 ? 0 : source))
                                       : source + Div255((255 - alpha) * pixel);
      out |= (value & 255) << (8 * c);
    }
    dst[i] = out;
  }
}

void AddRow(std::uint32_t* dst, const std::uint32_t* src, int n, SDL_Color colour) {
  ModulatedRow<true>(dst, src, n, colour);
}
void BlendRow(std::uint32_t* dst, const std::uint32_t* src, int n, SDL_Color colour) {
  ModulatedRow<false>(dst, src, n, colour);
}

// Alpha blending without modulation takes SDL's own shortcut: opaque pixels are copied,
// transparent ones skipped, the rest mixed with weights that are shifted, not divided.
void BlendRowUnmodulated(std::uint32_t* dst, const std::uint32_t* src, int n) {
  for (int i = 0; i < n; ++i) {
    const std::uint32_t s = src[i];
    const std::uint32_t alpha = s >> 24;
    if (alpha == 0) continue;
    if (alpha == 255) {
      dst[i] = s;
      continue;
    }
    const std::uint32_t d = dst[i];
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
      const std::uint32_t sc = shift == 24 ? 255 : (s >> shift) & 255, dc = (d >> shift) & 255;
      out |= (((sc * alpha) >> 8) + ((dc * (255 - alpha)) >> 8)) << shift;
    }
    dst[i] = out;
  }
}

template <auto RowOp>
void EachRow(const SpanBlit& blit, SDL_Color colour) {
  for (int row = blit.top; row < blit.bottom; ++row) {
    blit.PrefetchFor(row);
    const BlitRow line = blit.Row(row);
    if (line.n > 0) RowOp(line.dst, line.src, line.n, colour);
  }
}

void AddRows(const SpanBlit& blit, SDL_Color colour) { EachRow<AddRow>(blit, colour); }
void BlendRows(const SpanBlit& blit, SDL_Color colour) { EachRow<BlendRow>(blit, colour); }
void BlendRowsUnmodulated(const SpanBlit& blit, SDL_Color colour) {
  EachRow<[](std::uint32_t* dst, const std::uint32_t* src, int n, SDL_Color) { BlendRowUnmodulated(dst, src, n); }>(
      blit, colour);
}
#else
// The vector helpers below are always inlined into the row loops, which are built once
// for AVX2 and once for plain x86-64: how a 32-byte vector would be passed does not matter.
#pragma GCC diagnostic ignored "-Wpsabi"

// Four pixels as sixteen 16-bit lanes, in memory order: blue, green, red, alpha.
using U8x16 = std::uint8_t __attribute__((vector_size(16)));
using U16x16 = std::uint16_t __attribute__((vector_size(32)));

constexpr U16x16 kAlphaLanes = {0, 0, 0, 0xFFFF, 0, 0, 0, 0xFFFF, 0, 0, 0, 0xFFFF, 0, 0, 0, 0xFFFF};
constexpr U16x16 kColourLanes = ~kAlphaLanes;
// Spreads each pixel's alpha lane over its four lanes.
constexpr U16x16 kAlphaSpread = {3, 3, 3, 3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15};
// Spreads each pixel's alpha lane over its colour lanes and zeroes its alpha lane (lane 16: the zero vector).
constexpr U16x16 kAlphaOnColour = {3, 3, 3, 16, 7, 7, 7, 16, 11, 11, 11, 16, 15, 15, 15, 16};

// x / 255 rounded down, exact for every product of two bytes.
[[gnu::always_inline]] inline U16x16 Div255(U16x16 x) { return (x + 1 + (x >> 8)) >> 8; }

[[gnu::always_inline]] inline U16x16 Load4(const std::uint32_t* pixels) {
  U8x16 bytes;
  std::memcpy(&bytes, pixels, sizeof bytes);
  return __builtin_convertvector(bytes, U16x16);
}

[[gnu::always_inline]] inline void Store4(std::uint32_t* pixels, U16x16 lanes) {
  const U8x16 bytes = __builtin_convertvector(lanes, U8x16);
  std::memcpy(pixels, &bytes, sizeof bytes);
}

// The source after colour and alpha modulation, its colour multiplied by its alpha
// (SDL rounds down at each step); each pixel's alpha is also spread over its lanes.
[[gnu::always_inline]] inline U16x16 ModulatedSource(U16x16 texel, U16x16 mod, U16x16& alpha) {
  const U16x16 modulated = Div255(texel * mod);
  alpha = __builtin_shuffle(modulated, kAlphaSpread);
  return Div255(modulated * ((alpha & kColourLanes) | (kAlphaLanes & 255)));
}

// Adding leaves the screen's alpha as it is: the colour lanes are weighted by the alpha, the
// alpha lanes by nothing.
[[gnu::always_inline]] inline U16x16 Add4(U16x16 texel, U16x16 dst, U16x16 mod) {
  const U16x16 modulated = Div255(texel * mod);
  const U16x16 weight = __builtin_shuffle(modulated, U16x16{}, kAlphaOnColour);
  const U16x16 sum = dst + Div255(modulated * weight);
  return sum > 255 ? 255 : sum;
}

[[gnu::always_inline]] inline U16x16 Blend4(U16x16 texel, U16x16 dst, U16x16 mod) {
  U16x16 alpha;
  const U16x16 source = ModulatedSource(texel, mod, alpha);
  return source + Div255((255 - alpha) * dst);
}

// Runs op (texel, pixel, mod) over n pixels, four at a time. A row of four or more ends with the
// four last pixels, worked out from the screen as it was before the row was drawn, so the pixels
// that overlap are written twice with the same values; shorter rows go through a small buffer.
// The modulation is handed in rather than captured: the sanitizers see a captured vector inside the
// clones built per instruction set as read through a null closure.
template <U16x16 (*Op)(U16x16, U16x16, U16x16)>
[[gnu::always_inline]] inline void ForEachFour(std::uint32_t* dst, const std::uint32_t* src, int n, const U16x16& mod) {
  if (n >= 4) {
    const U16x16 last = Op(Load4(src + n - 4), Load4(dst + n - 4), mod);
    for (int i = 0; i + 4 < n; i += 4) Store4(dst + i, Op(Load4(src + i), Load4(dst + i), mod));
    Store4(dst + n - 4, last);
    return;
  }
  std::uint32_t texels[4] = {}, pixels[4] = {};
  const auto bytes = static_cast<std::size_t>(n) * sizeof(std::uint32_t);
  std::memcpy(texels, src, bytes);
  std::memcpy(pixels, dst, bytes);
  Store4(pixels, Op(Load4(texels), Load4(pixels), mod));
  std::memcpy(dst, pixels, bytes);
}

[[gnu::always_inline]] inline U16x16 ModLanes(SDL_Color mod) {
  return U16x16{mod.b, mod.g, mod.r, mod.a, mod.b, mod.g, mod.r, mod.a,
                mod.b, mod.g, mod.r, mod.a, mod.b, mod.g, mod.r, mod.a};
}

// Alpha blending without modulation takes SDL's own shortcut: opaque pixels are copied,
// transparent ones left alone, the rest mixed with weights that are shifted, not divided
// (the alpha lane mixes 255 with the back buffer's alpha).
[[gnu::always_inline]] inline U16x16 BlendUnmodulated4(U16x16 texel, U16x16 dst, U16x16) {
  const U16x16 alpha = __builtin_shuffle(texel, kAlphaSpread);
  const U16x16 source = (texel & kColourLanes) | (kAlphaLanes & 255);
  const U16x16 mixed = ((source * alpha) >> 8) + ((dst * (255 - alpha)) >> 8);
  return alpha == 0 ? dst : (alpha == 255 ? texel : mixed);
}

[[gnu::target_clones("avx2", "default")]] void AddRow(std::uint32_t* dst, const std::uint32_t* src, int n,
                                                      SDL_Color colour) {
  ForEachFour<Add4>(dst, src, n, ModLanes(colour));
}

[[gnu::target_clones("avx2", "default")]] void BlendRow(std::uint32_t* dst, const std::uint32_t* src, int n,
                                                        SDL_Color colour) {
  ForEachFour<Blend4>(dst, src, n, ModLanes(colour));
}

[[gnu::target_clones("avx2", "default")]] void BlendRowUnmodulated(std::uint32_t* dst, const std::uint32_t* src, int n) {
  ForEachFour<BlendUnmodulated4>(dst, src, n, U16x16{});
}

// A whole sprite row by row inside one clone: most sprites are small, and a call chosen per
// instruction set for every row would cost as much as blending it.
template <U16x16 (*Op)(U16x16, U16x16, U16x16)>
[[gnu::always_inline]] inline void EachRow(const SpanBlit& blit, const U16x16& mod) {
  for (int row = blit.top; row < blit.bottom; ++row) {
    blit.PrefetchFor(row);
    const BlitRow line = blit.Row(row);
    if (line.n > 0) ForEachFour<Op>(line.dst, line.src, line.n, mod);
  }
}

[[gnu::target_clones("avx2", "default")]] void AddRows(const SpanBlit& blit, SDL_Color colour) {
  EachRow<Add4>(blit, ModLanes(colour));
}

[[gnu::target_clones("avx2", "default")]] void BlendRows(const SpanBlit& blit, SDL_Color colour) {
  EachRow<Blend4>(blit, ModLanes(colour));
}

[[gnu::target_clones("avx2", "default")]] void BlendRowsUnmodulated(const SpanBlit& blit, SDL_Color) {
  EachRow<BlendUnmodulated4>(blit, U16x16{});
}
#endif

}  // namespace

namespace {

// How a look blends a row: adding, SDL's shortcut for plain alpha blending, or alpha blending
// with a tint.
enum class RowBlend { Add, Plain, Tinted };

RowBlend RowBlendOf(const TextureLook& look) {
  const SDL_Color mod = look.mod;
  if (look.blend == SDL_BLENDMODE_ADD) return RowBlend::Add;
  return (mod.r & mod.g & mod.b & mod.a) == 255 ? RowBlend::Plain : RowBlend::Tinted;
}

}  // namespace

void BlendSpanRow(std::uint32_t* dst, const std::uint32_t* src, int n, const TextureLook& look) {
  switch (RowBlendOf(look)) {
    case RowBlend::Add: AddRow(dst, src, n, look.mod); break;
    case RowBlend::Plain: BlendRowUnmodulated(dst, src, n); break;
    case RowBlend::Tinted: BlendRow(dst, src, n, look.mod); break;
  }
}

void BlitSpans(SDL_Surface& target, const SDL_Rect& clip, const SpriteSpans& sprite, int x, int y,
               const TextureLook& look) {
  const SpanBlit blit(target, clip, sprite, x, y);
  switch (RowBlendOf(look)) {
    case RowBlend::Add: AddRows(blit, look.mod); break;
    case RowBlend::Plain: BlendRowsUnmodulated(blit, look.mod); break;
    case RowBlend::Tinted: BlendRows(blit, look.mod); break;
  }
}

}  // namespace tolvex
