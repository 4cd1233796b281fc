// A window's frames are capped at the display's refresh rate.
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/Graphics.h"

namespace tolvex {
namespace {

// Milliseconds that n presents of the current screen take.
double PresentTime(int n) {
  const Uint64 start = SDL_GetPerformanceCounter();
  for (int i = 0; i < n; ++i) Flip(0);
  return static_cast<double>(SDL_GetPerformanceCounter() - start) * 1000.0 /
         static_cast<double>(SDL_GetPerformanceFrequency());
}

class FramePacing : public ::testing::Test {
 protected:
  void TearDown() override {
    CloseScreen();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
};

TEST_F(FramePacing, ACappedWindowShowsAtMostOneFramePerRefresh) {
  ASSERT_TRUE(OpenScreen(64, 48, 0, 60, RendererKind::Software)) << SDL_GetError();
  CapFrameRate(true);
  Flip(0);  // the first present sets the beat
  // No display refreshes more than 240 times a second (the dummy one: 60), so ten frames take over 40 ms.
  EXPECT_GE(PresentTime(10), 40.0);
}

}  // namespace
}  // namespace tolvex
