#include "platform/SpriteSpans.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "platform/Processor.h"

#ifdef __SSE2__
#include <immintrin.h>
#endif

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
    span.opaque = span.begin < span.end && std::all_of(row + span.begin, row + span.end,
                                                       [](std::uint32_t pixel) { return (pixel >> 24) == 255; });
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
  opaque_ = Height() > 0 && std::all_of(spans_.begin(), spans_.end(), [width](const Span& span) {
    return span.opaque && span.begin == 0 && span.end == width;
  });
}

bool SpansCanBlend(SDL_BlendMode blend) { return blend == SDL_BLENDMODE_BLEND || blend == SDL_BLENDMODE_ADD; }

bool SpansCanDraw(const SpriteSpans& sprite, const TextureLook& look) {
  const SDL_Color mod = look.mod;
  return SpansCanBlend(look.blend) ||
         (look.blend == SDL_BLENDMODE_NONE && sprite.Opaque() && (mod.r & mod.g & mod.b & mod.a) == 255);
}

namespace {

constexpr int kRowsAhead = 4;

// One clipped row of a sprite: n pixels from src blended onto the screen at dst.
struct BlitRow {
  std::uint32_t* dst = nullptr;
  const std::uint32_t* src = nullptr;
  int n = 0;
  bool opaque = false;  // every pixel of it fully opaque
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
    return {line + x + begin, sprite.At(begin, row - y), end - begin, span.opaque};
  }

  // Row `row`, its pixels asked for, the sprite's and the screen's: the first two cache lines and
  // the last. Along a longer row (a backdrop's tile is 1024 pixels) the processor's own prefetcher
  // takes over, and asking for every line of it would only hold the loop up.
  [[gnu::always_inline]] BlitRow Ask(int row) const {
    const BlitRow line = Row(row);
    constexpr int kPixelsPerLine = 64 / sizeof(std::uint32_t);  // a cache line
    for (int i = 0; i < std::min(line.n, 2 * kPixelsPerLine); i += kPixelsPerLine) {
      __builtin_prefetch(line.src + i);
      __builtin_prefetch(line.dst + i, 1);
    }
    if (line.n <= 0) return line;
    __builtin_prefetch(line.src + line.n - 1);
    __builtin_prefetch(line.dst + line.n - 1, 1);
    return line;
  }

  std::uint8_t* screen;
  std::ptrdiff_t pitch;
  const SpriteSpans& sprite;
  int x, y;
  int top, bottom;   // the screen rows drawn on
  int left, right;   // the clip in sprite columns
};

// The rows of a blit from top to bottom, each worked out and asked of the caches kRowsAhead rows
// before it is drawn (and, before the first, the sprite's rows and copied pixels): the screen and
// the effects' many turned copies are larger than the caches.
class RowQueue {
 public:
  [[gnu::always_inline]] explicit RowQueue(const SpanBlit& blit) : blit_(blit), row_(blit.top) {
    blit.sprite.Prefetch(blit.top - blit.y, blit.bottom - blit.y);
    for (int row = row_; row < std::min(row_ + kRowsAhead, blit.bottom); ++row) ahead_[Slot(row)] = blit.Ask(row);
  }

  bool Done() const { return row_ >= blit_.bottom; }
  [[gnu::always_inline]] BlitRow Next() {
    const BlitRow line = ahead_[Slot(row_)];
    if (row_ + kRowsAhead < blit_.bottom) ahead_[Slot(row_)] = blit_.Ask(row_ + kRowsAhead);
    ++row_;
    return line;
  }

 private:
  static_assert((kRowsAhead & (kRowsAhead - 1)) == 0, "rows ahead are kept in a ring");
  int Slot(int row) const { return (row - blit_.top) & (kRowsAhead - 1); }

  const SpanBlit& blit_;
  int row_;
  BlitRow ahead_[kRowsAhead];
};

// The vector helpers below are always inlined into the row loops, which are built once for
// AVX-512, sixteen pixels a step, once for AVX2, eight, and once for plain x86-64, four: no vector
// is ever passed between functions built for different instruction sets.
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

// The two steps GCC's vector extension has no words for, at each width: whether every lane is
// zero, and the high half of a product of 16-bit lanes. The wide ones are built for the
// instruction set their width needs and end up inside the row loops built for that set (they
// cannot be forced inline: GCC refuses to force them into the width-blind helpers that call them).
typedef std::uint32_t U32x4 __attribute__((vector_size(16)));
typedef std::uint32_t U32x8 __attribute__((vector_size(32)));
typedef std::uint32_t U32x16 __attribute__((vector_size(64)));
typedef std::uint16_t U16x8 __attribute__((vector_size(16)));
typedef std::uint16_t U16x16 __attribute__((vector_size(32)));
typedef std::uint16_t U16x32 __attribute__((vector_size(64)));
typedef std::uint8_t U8x16 __attribute__((vector_size(16)));
typedef std::uint8_t U8x32 __attribute__((vector_size(32)));
typedef std::uint8_t U8x64 __attribute__((vector_size(64)));

// The vectors that hold W pixels: as 32-bit pixels, as 16-bit lanes, as bytes.
template <int W>
struct VectorsOf;
template <>
struct VectorsOf<4> {
  using U32 = U32x4;
  using U16 = U16x8;
  using U8 = U8x16;
};
template <>
struct VectorsOf<8> {
  using U32 = U32x8;
  using U16 = U16x16;
  using U8 = U8x32;
};
template <>
struct VectorsOf<16> {
  using U32 = U32x16;
  using U16 = U16x32;
  using U8 = U8x64;
};

#if defined(__SSE2__) && !defined(__clang__)
[[gnu::target("avx512bw")]] inline bool AllZero(U32x16 v) {
  return _mm512_test_epi32_mask((__m512i)v, (__m512i)v) == 0;
}
[[gnu::target("avx2")]] inline bool AllZero(U32x8 v) { return _mm256_testz_si256((__m256i)v, (__m256i)v) != 0; }
[[gnu::target("avx512bw")]] inline U16x32 HighProduct(U16x32 a, U16x32 b) {
  return (U16x32)_mm512_mulhi_epu16((__m512i)a, (__m512i)b);
}
[[gnu::target("avx2")]] inline U16x16 HighProduct(U16x16 a, U16x16 b) {
  return (U16x16)_mm256_mulhi_epu16((__m256i)a, (__m256i)b);
}
#endif
#if defined(__SSE2__)
[[gnu::always_inline]] inline bool AllZero(U32x4 v) {
  return _mm_movemask_epi8(_mm_cmpeq_epi32((__m128i)v, _mm_setzero_si128())) == 0xFFFF;
}
[[gnu::always_inline]] inline U16x8 HighProduct(U16x8 a, U16x8 b) {
  return (U16x8)_mm_mulhi_epu16((__m128i)a, (__m128i)b);
}
#else
[[gnu::always_inline]] inline bool AllZero(U32x4 v) { return (v[0] | v[1] | v[2] | v[3]) == 0; }
[[gnu::always_inline]] inline U16x8 HighProduct(U16x8 a, U16x8 b) {
  U16x8 high;
  for (int i = 0; i < 8; ++i) high[i] = static_cast<std::uint16_t>((std::uint32_t{a[i]} * b[i]) >> 16);
  return high;
}
#endif

// W pixels at once. Each pixel is worked as two pairs of 16-bit lanes, blue and red ("low")
// and green and alpha ("high"), picked out with a mask and a shift (into the lanes' low bytes,
// or their high bytes for a high multiply): no lane ever moves between pixels, and the results
// are put back together the same way.
template <int W>
struct Pixels {
  using U32 = typename VectorsOf<W>::U32;
  using U16 = typename VectorsOf<W>::U16;
  using U8 = typename VectorsOf<W>::U8;

  [[gnu::always_inline]] static U32 Load(const std::uint32_t* pixels) {
    U32 v;
    std::memcpy(&v, pixels, sizeof v);
    return v;
  }
  [[gnu::always_inline]] static void Store(std::uint32_t* pixels, U32 v) { std::memcpy(pixels, &v, sizeof v); }
  [[gnu::always_inline]] static U16 Low(U32 p) { return (U16)(p & 0x00FF00FFu); }
  [[gnu::always_inline]] static U16 High(U32 p) { return (U16)((p >> 8) & 0x00FF00FFu); }
  [[gnu::always_inline]] static U32 Join(U16 low, U16 high) { return (U32)low | ((U32)high << 8); }
  // The same value in both lanes of each pixel's pair (value < 65536 in each 32-bit lane).
  [[gnu::always_inline]] static U16 Both(U32 value) { return (U16)(value | value << 16); }
  // x / 255 rounded down, as SDL divides: a high multiply and a shift, for the vector widths each
  // build uses (a vector wider than the build's registers would be divided lane by lane).
  [[gnu::always_inline]] static U16 Div255(U16 x) { return x / 255; }
  [[gnu::always_inline]] static bool None(U32 v) { return AllZero(v); }
  // (x · weight) >> 8 for x < 256 and weight < 256, from x moved up into the lane's high byte.
  [[gnu::always_inline]] static U16 Weigh(U16 xUp, U16 weight) { return HighProduct(xUp, weight); }
  // For 0 <= w < 255: x · w / 255 rounded down is HighProduct(x, Div255Factor(w)) for every
  // x < 256 (x · (257 · w + 1) / 65536 exceeds x · w / 255 by less than the 1/255 a fraction
  // of it always leaves below the next whole number).
  [[gnu::always_inline]] static U16 Div255Factor(int w) {
    return Both(U32{} + static_cast<std::uint32_t>(257 * w + 1));
  }
  // The lane pairs with each byte in the high half of its lane: (blue, red) and (green, alpha).
  [[gnu::always_inline]] static U16 LowUp(U32 p) { return (U16)((p << 8) & 0xFF00FF00u); }
  [[gnu::always_inline]] static U16 HighUp(U32 p) { return (U16)(p & 0xFF00FF00u); }
  // A colour's modulation as the low and high lane pairs: (blue, red) and (green, alpha).
  [[gnu::always_inline]] static U16 LowMod(SDL_Color mod) { return (U16)(U32{} + (mod.b | mod.r << 16)); }
  [[gnu::always_inline]] static U16 HighMod(SDL_Color mod) { return (U16)(U32{} + (mod.g | mod.a << 16)); }
};

// W texels after colour and alpha modulation, as the two lane pairs, and each modulated alpha
// alone in the low half of its pixel's 32 bits.
template <int W>
struct Modulated {
  using P = Pixels<W>;
  [[gnu::always_inline]] Modulated(typename P::U32 texels, SDL_Color mod)
      : low(P::Div255(P::Low(texels) * P::LowMod(mod))),
        high(P::Div255(P::High(texels) * P::HighMod(mod))),
        alpha((typename P::U32)high >> 16) {}
  typename P::U16 low, high;
  typename P::U32 alpha;
};

// Alpha blending of colour (as the two lane pairs) with alpha over the screen: the colour weighted
// by the alpha, the screen by what the alpha leaves; where every alpha is 0 the screen stays. The
// alpha lane is the alpha itself: weighted by 255, it stays.
template <int W>
[[gnu::always_inline]] inline bool Over(typename Pixels<W>::U16 low, typename Pixels<W>::U16 high,
                                        typename Pixels<W>::U32 alpha, const std::uint32_t* screen,
                                        typename Pixels<W>::U32& out) {
  using P = Pixels<W>;
  if (P::None(alpha)) return false;
  const typename P::U16 spread = P::Both(alpha), keep = 255 - spread;
  const typename P::U16 highWeight = (typename P::U16)(alpha | 0x00FF0000u);
  const typename P::U32 under = P::Load(screen);
  out = P::Join(P::Div255(low * spread) + P::Div255(keep * P::Low(under)),
                P::Div255(high * highWeight) + P::Div255(keep * P::High(under)));
  return true;
}

// Each blend below works out W pixels from their texels and the screen under them, and says
// whether any of them changes; the screen is read only when one might.

// Adding with a tint: the texel's colour after modulation, weighted by its modulated alpha
// (SDL rounds down at each step), is added to the screen's colour and cut at 255; the
// screen's alpha stays as it is. Pixels that add nothing are common at the soft edges of smoke.
struct Add {
  SDL_Color mod;
  template <int W>
  [[gnu::always_inline]] bool Apply(typename Pixels<W>::U32 texels, const std::uint32_t* screen,
                                    typename Pixels<W>::U32& out) const {
    using P = Pixels<W>;
    const Modulated<W> m(texels, mod);
    const auto added =
        (typename P::U8)P::Join(P::Div255(m.low * P::Both(m.alpha)), P::Div255(m.high * (typename P::U16)m.alpha));
    if (P::None((typename P::U32)added)) return false;
    const auto before = (typename P::U8)P::Load(screen);
    // Cut at 255: at most what is left above the screen's value is added.
    const typename P::U8 room = ~before;
    out = (typename P::U32)(before + (added < room ? added : room));
    return true;
  }
};

// Alpha blending with a tint: the texel modulated in colour and alpha, laid over the screen.
struct Tinted {
  SDL_Color mod;
  template <int W>
  [[gnu::always_inline]] bool Apply(typename Pixels<W>::U32 texels, const std::uint32_t* screen,
                                    typename Pixels<W>::U32& out) const {
    const Modulated<W> m(texels, mod);
    return Over<W>(m.low, m.high, m.alpha, screen, out);
  }
};

// Alpha blending of a picture faded but not tinted (a backdrop fading in): modulating by white
// leaves a colour as it is (c · 255 / 255 = c), so only the alpha is modulated, and the rest is
// Tinted's arithmetic to the bit. Over a row whose texels are all opaque (kOpaque), every
// modulated alpha is the fade's own, so the weights are the same for the whole row.
template <bool kOpaque = false>
struct Faded {
  std::uint8_t alpha;
  template <int W>
  [[gnu::always_inline]] bool Apply(typename Pixels<W>::U32 texels, const std::uint32_t* screen,
                                    typename Pixels<W>::U32& out) const {
    using P = Pixels<W>;
    if constexpr (kOpaque) {
      // The weights hold for the whole row, and each weighted value divided by 255 is one high
      // multiply. The alpha lane weighs 255 by the fade: the fade itself, as Over gives it.
      if (alpha == 0) return false;
      const typename P::U16 texelWeight = P::Div255Factor(alpha), screenWeight = P::Div255Factor(255 - alpha);
      const typename P::U32 under = P::Load(screen);
      const typename P::U16 low = HighProduct(P::Low(texels), texelWeight) + HighProduct(P::Low(under), screenWeight);
      const typename P::U16 high =
          HighProduct(P::High(texels | 0xFF000000u), texelWeight) + HighProduct(P::High(under), screenWeight);
      out = P::Join(low, high);
      return true;
    } else {
      const typename P::U16 high = P::Div255(P::High(texels) * P::HighMod(SDL_Color{255, 255, 255, alpha}));
      return Over<W>(P::Low(texels), high, (typename P::U32)high >> 16, screen, out);
    }
  }
};

// Alpha blending without modulation takes SDL's own shortcut: opaque pixels are copied,
// transparent ones left alone, the rest mixed with weights that are shifted, not divided
// (the alpha lane mixes 255 with the screen's alpha).
struct Plain {
  template <int W>
  [[gnu::always_inline]] bool Apply(typename Pixels<W>::U32 texels, const std::uint32_t* screen,
                                    typename Pixels<W>::U32& out) const {
    using P = Pixels<W>;
    const typename P::U32 alpha = texels >> 24;
    if (P::None(alpha)) return false;
    const typename P::U16 spread = P::Both(alpha), keep = 255 - spread;
    const typename P::U32 under = P::Load(screen);
    const typename P::U16 high = P::HighUp(texels | 0xFF000000u);
    const typename P::U32 mixed =
        P::Join(P::Weigh(P::LowUp(texels), spread) + P::Weigh(P::LowUp(under), keep),
                P::Weigh(high, spread) + P::Weigh(P::HighUp(under), keep));
    out = alpha == 0 ? under : (alpha == 255 ? texels : mixed);
    return true;
  }
};

// n >= W pixels, W at a time. The row ends with the W last pixels, worked out from the screen as
// it was before the row was drawn, so the pixels that overlap are written twice with the same values.
template <int W, class Blend>
[[gnu::always_inline]] inline void RunOf(std::uint32_t* dst, const std::uint32_t* src, int n, const Blend& blend) {
  using P = Pixels<W>;
  typename P::U32 last{}, out{};
  const bool lastChanges = blend.template Apply<W>(P::Load(src + n - W), dst + n - W, last);
  for (int i = 0; i + W < n; i += W) {
    if (blend.template Apply<W>(P::Load(src + i), dst + i, out)) P::Store(dst + i, out);
  }
  if (lastChanges) P::Store(dst + n - W, last);
}

// Any row: kWidest pixels at a time (sixteen, eight or four), fewer for a shorter row, and rows
// of fewer than four through a small buffer.
template <int kWidest, class Blend>
[[gnu::always_inline]] inline void RowOf(std::uint32_t* dst, const std::uint32_t* src, int n, const Blend& blend) {
  // Only the widths of this build are made: the wider ones need instructions it may not have.
  if constexpr (kWidest >= 16) {
    if (n >= 16) return RunOf<16>(dst, src, n, blend);
  }
  if constexpr (kWidest >= 8) {
    if (n >= 8) return RunOf<8>(dst, src, n, blend);
  }
  if (n >= 4) return RunOf<4>(dst, src, n, blend);
  std::uint32_t texels[4] = {}, pixels[4] = {};
  const auto bytes = static_cast<std::size_t>(n) * sizeof(std::uint32_t);
  std::memcpy(texels, src, bytes);
  std::memcpy(pixels, dst, bytes);
  RunOf<4>(pixels, texels, 4, blend);
  std::memcpy(dst, pixels, bytes);
}

// A whole sprite row by row inside one build: most sprites are small, and a call chosen per
// instruction set for every row would cost as much as blending it. Plain alpha blending copies
// an opaque texel as it is, so a row opaque throughout is copied (a backdrop's, mostly); a faded
// row opaque throughout has one alpha.
template <int kWidest, class Blend>
[[gnu::always_inline]] inline void EachRow(const SpanBlit& blit, const Blend& blend) {
  for (RowQueue rows(blit); !rows.Done();) {
    const BlitRow line = rows.Next();
    if (line.n <= 0) continue;
    if (line.opaque) {
      if constexpr (std::is_same_v<Blend, Plain>) {
        std::memcpy(line.dst, line.src, static_cast<std::size_t>(line.n) * sizeof(std::uint32_t));
        continue;
      } else if constexpr (std::is_same_v<Blend, Faded<>>) {
        RowOf<kWidest>(line.dst, line.src, line.n, Faded<true>{blend.alpha});
        continue;
      }
    }
    RowOf<kWidest>(line.dst, line.src, line.n, blend);
  }
}

#if defined(__clang__)
// clang checks a vector's calling convention before it inlines, and refuses the wider vectors in
// the helpers shared with functions built without AVX: its builds (the sanitizer build) blend four
// pixels a step throughout.
template <class Blend>
void Rows(const SpanBlit& blit, const Blend blend) {
  EachRow<4>(blit, blend);
}
template <class Blend>
void OneRow(std::uint32_t* dst, const std::uint32_t* src, int n, const Blend blend) {
  RowOf<4>(dst, src, n, blend);
}
#else
template <class Blend>
[[gnu::target("avx512bw")]] void RowsAvx512(const SpanBlit& blit, const Blend blend) {
  EachRow<16>(blit, blend);
}
template <class Blend>
[[gnu::target("avx2")]] void RowsAvx2(const SpanBlit& blit, const Blend blend) {
  EachRow<8>(blit, blend);
}
template <class Blend>
void RowsPlain(const SpanBlit& blit, const Blend blend) {
  EachRow<4>(blit, blend);
}
template <class Blend>
void Rows(const SpanBlit& blit, const Blend blend) {
  if (kHasAvx512) return RowsAvx512(blit, blend);
  kHasAvx2 ? RowsAvx2(blit, blend) : RowsPlain(blit, blend);
}

template <class Blend>
[[gnu::target("avx512bw")]] void RowAvx512(std::uint32_t* dst, const std::uint32_t* src, int n, const Blend blend) {
  RowOf<16>(dst, src, n, blend);
}
template <class Blend>
[[gnu::target("avx2")]] void RowAvx2(std::uint32_t* dst, const std::uint32_t* src, int n, const Blend blend) {
  RowOf<8>(dst, src, n, blend);
}
template <class Blend>
void RowPlain(std::uint32_t* dst, const std::uint32_t* src, int n, const Blend blend) {
  RowOf<4>(dst, src, n, blend);
}
template <class Blend>
void OneRow(std::uint32_t* dst, const std::uint32_t* src, int n, const Blend blend) {
  if (kHasAvx512) return RowAvx512(dst, src, n, blend);
  kHasAvx2 ? RowAvx2(dst, src, n, blend) : RowPlain(dst, src, n, blend);
}
#endif

void AddRow(std::uint32_t* dst, const std::uint32_t* src, int n, SDL_Color colour) { OneRow(dst, src, n, Add{colour}); }
void BlendRow(std::uint32_t* dst, const std::uint32_t* src, int n, SDL_Color colour) {
  OneRow(dst, src, n, Tinted{colour});
}
void BlendRowFaded(std::uint32_t* dst, const std::uint32_t* src, int n, SDL_Color colour) {
  OneRow(dst, src, n, Faded<>{colour.a});
}
void BlendRowUnmodulated(std::uint32_t* dst, const std::uint32_t* src, int n) { OneRow(dst, src, n, Plain{}); }
void AddRows(const SpanBlit& blit, SDL_Color colour) { Rows(blit, Add{colour}); }
void BlendRows(const SpanBlit& blit, SDL_Color colour) { Rows(blit, Tinted{colour}); }
void BlendRowsFaded(const SpanBlit& blit, SDL_Color colour) { Rows(blit, Faded<>{colour.a}); }
void BlendRowsUnmodulated(const SpanBlit& blit, SDL_Color) { Rows(blit, Plain{}); }

}  // namespace

namespace {

// How a look blends a row: adding, SDL's shortcut for plain alpha blending, alpha blending
// with a tint or only faded, or copying without blending.
enum class RowBlend { Add, Plain, Tinted, Faded, Copy };

RowBlend RowBlendOf(const TextureLook& look) {
  const SDL_Color mod = look.mod;
  if (look.blend == SDL_BLENDMODE_ADD) return RowBlend::Add;
  if (look.blend == SDL_BLENDMODE_NONE) return RowBlend::Copy;
  if ((mod.r & mod.g & mod.b) != 255) return RowBlend::Tinted;
  return mod.a == 255 ? RowBlend::Plain : RowBlend::Faded;
}

}  // namespace

void BlendSpanRow(std::uint32_t* dst, const std::uint32_t* src, int n, const TextureLook& look) {
  switch (RowBlendOf(look)) {
    case RowBlend::Add: AddRow(dst, src, n, look.mod); break;
    case RowBlend::Plain: BlendRowUnmodulated(dst, src, n); break;
    case RowBlend::Tinted: BlendRow(dst, src, n, look.mod); break;
    case RowBlend::Faded: BlendRowFaded(dst, src, n, look.mod); break;
    case RowBlend::Copy: std::memcpy(dst, src, static_cast<std::size_t>(n) * sizeof(std::uint32_t)); break;
  }
}

namespace {
// An opaque sprite's rows copied as they are.
void CopyRows(const SpanBlit& blit) {
  for (RowQueue rows(blit); !rows.Done();) {
    const BlitRow line = rows.Next();
    if (line.n > 0) std::memcpy(line.dst, line.src, static_cast<std::size_t>(line.n) * sizeof(std::uint32_t));
  }
}
}  // namespace

void BlitSpans(SDL_Surface& target, const SDL_Rect& clip, const SpriteSpans& sprite, int x, int y,
               const TextureLook& look) {
  const SpanBlit blit(target, clip, sprite, x, y);
  switch (RowBlendOf(look)) {
    case RowBlend::Add: AddRows(blit, look.mod); break;
    case RowBlend::Plain: BlendRowsUnmodulated(blit, look.mod); break;
    case RowBlend::Tinted: BlendRows(blit, look.mod); break;
    case RowBlend::Faded: BlendRowsFaded(blit, look.mod); break;
    case RowBlend::Copy: CopyRows(blit); break;
  }
}

}  // namespace tolvex
