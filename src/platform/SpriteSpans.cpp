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

// Alpha blending without modulation: SDL's own shortcut, as the vector row below tells.
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

#else
// The vector helpers below are always inlined into the row loops, which are built once
// for AVX2 and once for plain x86-64: how a 32-byte vector would be passed does not matter.
#pragma GCC diagnostic ignored "-Wpsabi"

// Four pixels as sixteen 16-bit lanes, in memory order: blue, green, red, alpha.
using U8x16 = std::uint8_t __attribute__((vector_size(16)));
using U16x16 = std::uint16_t __attribute__((vector_size(32)));

constexpr U16x16 kAlphaLanes = {0, 0, 0, 0xFFFF, 0, 0, 0, 0xFFFF, 0, 0, 0, 0xFFFF, 0, 0, 0, 0xFFFF};
constexpr U16x16 kColourLanes = ~kAlphaLanes;

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
  alpha = __builtin_shuffle(modulated, U16x16{3, 3, 3, 3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15});
  return Div255(modulated * ((alpha & kColourLanes) | (kAlphaLanes & 255)));
}

[[gnu::always_inline]] inline U16x16 Add4(U16x16 texel, U16x16 dst, U16x16 mod) {
  U16x16 alpha;
  const U16x16 sum = dst + (ModulatedSource(texel, mod, alpha) & kColourLanes);
  return sum > 255 ? 255 : sum;
}

[[gnu::always_inline]] inline U16x16 Blend4(U16x16 texel, U16x16 dst, U16x16 mod) {
  U16x16 alpha;
  const U16x16 source = ModulatedSource(texel, mod, alpha);
  return source + Div255((255 - alpha) * dst);
}

// Runs op (texel, pixel, mod) over n pixels, four at a time; the last few go through a small buffer.
// The modulation is handed in rather than captured: the sanitizers see a captured vector inside the
// clones built per instruction set as read through a null closure.
template <U16x16 (*Op)(U16x16, U16x16, U16x16)>
[[gnu::always_inline]] inline void ForEachFour(std::uint32_t* dst, const std::uint32_t* src, int n, const U16x16& mod) {
  int i = 0;
  for (; i + 4 <= n; i += 4) Store4(dst + i, Op(Load4(src + i), Load4(dst + i), mod));
  if (i == n) return;
  std::uint32_t texels[4] = {}, pixels[4] = {};
  const auto rest = static_cast<std::size_t>(n - i) * sizeof(std::uint32_t);
  std::memcpy(texels, src + i, rest);
  std::memcpy(pixels, dst + i, rest);
  Store4(pixels, Op(Load4(texels), Load4(pixels), mod));
  std::memcpy(dst + i, pixels, rest);
}

[[gnu::always_inline]] inline U16x16 ModLanes(SDL_Color mod) {
  return U16x16{mod.b, mod.g, mod.r, mod.a, mod.b, mod.g, mod.r, mod.a,
                mod.b, mod.g, mod.r, mod.a, mod.b, mod.g, mod.r, mod.a};
}

[[gnu::target_clones("avx2", "default")]] void AddRow(std::uint32_t* dst, const std::uint32_t* src, int n,
                                                      SDL_Color colour) {
  ForEachFour<Add4>(dst, src, n, ModLanes(colour));
}

[[gnu::target_clones("avx2", "default")]] void BlendRow(std::uint32_t* dst, const std::uint32_t* src, int n,
                                                        SDL_Color colour) {
  ForEachFour<Blend4>(dst, src, n, ModLanes(colour));
}

// Alpha blending without modulation takes SDL's own shortcut: opaque pixels are copied,
// transparent ones skipped, the rest mixed with weights that are shifted, not divided
// (the alpha lane mixes 255 with the back buffer's alpha).
[[gnu::always_inline]] inline U16x16 BlendUnmodulated4(U16x16 texel, U16x16 dst, U16x16) {
  const U16x16 alpha = __builtin_shuffle(texel, U16x16{3, 3, 3, 3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15});
  const U16x16 source = (texel & kColourLanes) | (kAlphaLanes & 255);
  const U16x16 mixed = ((source * alpha) >> 8) + ((dst * (255 - alpha)) >> 8);
  return alpha == 0 ? dst : (alpha == 255 ? texel : mixed);
}

[[gnu::target_clones("avx2", "default")]] void BlendRowUnmodulated(std::uint32_t* dst, const std::uint32_t* src, int n) {
  ForEachFour<BlendUnmodulated4>(dst, src, n, U16x16{});
}
#endif

}  // namespace

void BlitSpans(SDL_Surface& target, const SDL_Rect& clip, const SpriteSpans& sprite, int x, int y,
               const TextureLook& look) {
  const int top = std::max(y, clip.y), bottom = std::min(y + sprite.Height(), clip.y + clip.h);
  const int left = clip.x - x, right = clip.x + clip.w - x;  // the clip in sprite columns
  const SDL_Color mod = look.mod;
  const bool unmodulated = (mod.r & mod.g & mod.b & mod.a) == 255;
  auto* pixels = static_cast<std::uint8_t*>(target.pixels);
  for (int row = top; row < bottom; ++row) {
    const SpriteSpans::Span span = sprite.RowSpan(row - y);
    const int begin = std::max(span.begin, left), end = std::min(span.end, right);
    if (begin >= end) continue;
    auto* dst = reinterpret_cast<std::uint32_t*>(pixels + static_cast<std::ptrdiff_t>(row) * target.pitch) + x + begin;
    const std::uint32_t* src = sprite.At(begin, row - y);
    if (look.blend == SDL_BLENDMODE_ADD) AddRow(dst, src, end - begin, mod);
    else if (unmodulated) BlendRowUnmodulated(dst, src, end - begin);
    else BlendRow(dst, src, end - begin, mod);
  }
}

}  // namespace tolvex
