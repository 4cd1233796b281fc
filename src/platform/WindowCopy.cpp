#include "platform/WindowCopy.h"

#include <immintrin.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "platform/Processor.h"

namespace tolvex {

namespace {

// Streams a row 32 bytes at a time from where its destination is aligned; the ends are copied as usual.
[[gnu::target("avx2")]] void StreamRowAvx2(std::uint8_t* to, const std::uint8_t* from, std::size_t bytes) {
  const std::size_t misaligned = reinterpret_cast<std::uintptr_t>(to) & 31;
  std::size_t at = misaligned == 0 ? 0 : std::min(bytes, 32 - misaligned);
  std::memcpy(to, from, at);
  for (; at + 32 <= bytes; at += 32) {
    const __m256i pixels = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + at));
    _mm256_stream_si256(reinterpret_cast<__m256i*>(to + at), pixels);
  }
  std::memcpy(to + at, from + at, bytes - at);
}

}  // namespace

bool PixelsLaidOutAlike(const SDL_Surface& from, const SDL_Surface& to) {
  const Uint32 format = to.format->format;
  return from.format->format == SDL_PIXELFORMAT_ARGB8888 && from.w == to.w && from.h == to.h &&
         (format == SDL_PIXELFORMAT_ARGB8888 || format == SDL_PIXELFORMAT_RGB888);
}

void StreamPixelRows(const SDL_Surface& from, SDL_Surface& to, int top, int bottom) {
  top = std::max(top, 0);
  bottom = std::min(bottom, from.h);
  const auto bytes = static_cast<std::size_t>(from.w) * sizeof(std::uint32_t);
  const auto* source = static_cast<const std::uint8_t*>(from.pixels);
  auto* target = static_cast<std::uint8_t*>(to.pixels);
  for (int row = top; row < bottom; ++row) {
    const std::uint8_t* in = source + static_cast<std::ptrdiff_t>(row) * from.pitch;
    std::uint8_t* out = target + static_cast<std::ptrdiff_t>(row) * to.pitch;
    if (kHasAvx2) StreamRowAvx2(out, in, bytes);
    else std::memcpy(out, in, bytes);
  }
  // Streamed bytes reach the other threads (the presenter, the window system) once fenced.
  if (kHasAvx2) _mm_sfence();
}

BandedWindowCopy::BandedWindowCopy(const SDL_Surface& back, std::function<SDL_Surface*()> takeWindowSurface)
    : back_(back), takeWindowSurface_(std::move(takeWindowSurface)) {}

void BandedWindowCopy::CopyRows(int top, int bottom) {
  SDL_Surface* shown = WindowSurface();
  if (shown && PixelsLaidOutAlike(back_, *shown)) StreamPixelRows(back_, *shown, top, bottom);
}

bool BandedWindowCopy::Copied() const {
  const SDL_Surface* shown = taken_.load(std::memory_order_acquire);
  return shown && PixelsLaidOutAlike(back_, *shown);
}

SDL_Surface* BandedWindowCopy::WindowSurface() {
  if (std::this_thread::get_id() == owner_) {
    if (!handedOver_.load(std::memory_order_relaxed)) {
      taken_.store(takeWindowSurface_(), std::memory_order_release);
      handedOver_.store(true, std::memory_order_release);
      handedOver_.notify_all();
    }
  } else {
    handedOver_.wait(false, std::memory_order_acquire);
  }
  return taken_.load(std::memory_order_acquire);
}

}  // namespace tolvex
