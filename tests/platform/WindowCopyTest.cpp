// The finished frame's copy into the window: the same bytes in the rows asked for and nothing
// else touched, and, shared by two threads, the window's surface taken once, by the game's thread.
#include <gtest/gtest.h>

#include <SDL.h>

#include <atomic>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include "platform/WindowCopy.h"

namespace tolvex {
namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

SurfacePtr NewSurface(int width, int height, Uint32 format) {
  return {SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, format), SDL_FreeSurface};
}

std::uint32_t& PixelAt(SDL_Surface& surface, int x, int y) {
  return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface.pixels) + y * surface.pitch)[x];
}

// A frame of random pixels, alpha included.
SurfacePtr RandomFrame(int width, int height) {
  SurfacePtr frame = NewSurface(width, height, SDL_PIXELFORMAT_ARGB8888);
  std::mt19937 random(7);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) PixelAt(*frame, x, y) = static_cast<std::uint32_t>(random());
  return frame;
}

TEST(PixelsLaidOutAlike, OnlyAFrameOfTheSameSizeWhoseBytesMeanTheSame) {
  const SurfacePtr frame = NewSurface(40, 30, SDL_PIXELFORMAT_ARGB8888);
  const struct {
    int width, height;
    Uint32 format;
    bool alike;
  } cases[] = {{40, 30, SDL_PIXELFORMAT_RGB888, true},    {40, 30, SDL_PIXELFORMAT_ARGB8888, true},
               {40, 30, SDL_PIXELFORMAT_ABGR8888, false}, {40, 30, SDL_PIXELFORMAT_BGR888, false},
               {40, 30, SDL_PIXELFORMAT_RGB565, false},   {41, 30, SDL_PIXELFORMAT_RGB888, false},
               {40, 29, SDL_PIXELFORMAT_RGB888, false}};
  for (const auto& c : cases) {
    const SurfacePtr window = NewSurface(c.width, c.height, c.format);
    EXPECT_EQ(PixelsLaidOutAlike(*frame, *window), c.alike) << SDL_GetPixelFormatName(c.format) << " " << c.width;
  }
  const SurfacePtr opaqueFrame = NewSurface(40, 30, SDL_PIXELFORMAT_RGB888);
  EXPECT_FALSE(PixelsLaidOutAlike(*opaqueFrame, *frame)) << "a frame is drawn with alpha";
}

TEST(StreamPixelRows, CopiesTheRowsAskedForIntoAWiderPitchAtAnyAlignment) {
  constexpr int kWidth = 37, kHeight = 9;  // rows of odd length, neither end aligned
  const SurfacePtr frame = RandomFrame(kWidth, kHeight);
  for (const int shift : {0, 1, 3, 7}) {
    // The window's rows begin `shift` pixels into a padded buffer, pitch 50 pixels.
    constexpr int kPitch = 50;
    std::vector<std::uint32_t> buffer(kPitch * kHeight + 8, 0xDEADBEEFu);
    const SurfacePtr window{SDL_CreateRGBSurfaceWithFormatFrom(buffer.data() + shift, kWidth, kHeight, 32,
                                                               kPitch * 4, SDL_PIXELFORMAT_RGB888),
                            SDL_FreeSurface};
    StreamPixelRows(*frame, *window, 2, 7);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kPitch; ++x) {
        const std::uint32_t got = buffer[static_cast<std::size_t>(shift + y * kPitch + x)];
        const bool copied = y >= 2 && y < 7 && x < kWidth;
        EXPECT_EQ(got, copied ? PixelAt(*frame, x, y) : 0xDEADBEEFu) << "shift " << shift << " at " << x << "," << y;
      }
    }
  }
}

TEST(BandedWindowCopy, TheOtherThreadWaitsForTheSurfaceTheGamesThreadTakesOnce) {
  constexpr int kWidth = 64, kHeight = 40, kSeam = 23;
  const SurfacePtr frame = RandomFrame(kWidth, kHeight);
  const SurfacePtr window = NewSurface(kWidth, kHeight, SDL_PIXELFORMAT_RGB888);
  std::atomic<int> takes{0};
  std::atomic<bool> lowerStarted{false};
  const std::thread::id game = std::this_thread::get_id();
  BandedWindowCopy copy(*frame, [&] {
    EXPECT_EQ(std::this_thread::get_id(), game);
    // The other thread asked first and has had every chance to copy too early.
    while (!lowerStarted.load()) std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(PixelAt(*window, 0, kHeight - 1), 0u) << "nothing is written before the surface is taken";
    ++takes;
    return window.get();
  });
  std::thread lower([&] {
    lowerStarted = true;
    copy.CopyRows(kSeam, kHeight);
  });
  copy.CopyRows(0, kSeam);
  lower.join();
  EXPECT_EQ(takes.load(), 1);
  EXPECT_TRUE(copy.Copied());
  EXPECT_EQ(copy.WindowSurface(), window.get()) << "taken once, kept";
  EXPECT_EQ(takes.load(), 1);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) ASSERT_EQ(PixelAt(*window, x, y), PixelAt(*frame, x, y)) << x << "," << y;
}

TEST(BandedWindowCopy, AWindowOfAnotherSizeIsLeftForTheScaledCopy) {
  const SurfacePtr frame = RandomFrame(32, 20);
  const SurfacePtr window = NewSurface(64, 40, SDL_PIXELFORMAT_RGB888);
  BandedWindowCopy copy(*frame, [&] { return window.get(); });
  EXPECT_FALSE(copy.Copied()) << "nothing copied before the bands ask";
  copy.CopyRows(0, 20);
  EXPECT_FALSE(copy.Copied());
  EXPECT_EQ(PixelAt(*window, 5, 5), 0u);
  BandedWindowCopy none(*frame, [] { return static_cast<SDL_Surface*>(nullptr); });
  none.CopyRows(0, 20);
  EXPECT_FALSE(none.Copied());
  EXPECT_EQ(none.WindowSurface(), nullptr);
}

}  // namespace
}  // namespace tolvex
