// A window drawn in software shows exactly what its back buffer holds, and OpenGL drivers that
// draw on the CPU are told from graphics cards.
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/DrawCalls.h"
#include "platform/Graphics.h"
#include "platform/RendererSession.h"

namespace tolvex {
namespace {

TEST(CpuRasteriser, MesaCpuDriversAreKnownAndCardsAreNot) {
  for (const char* name : {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Software Rasterizer",
                           "Gallium 0.4 on SWR"}) {
    EXPECT_TRUE(IsCpuRasteriser(name)) << name;
  }
  for (const char* name : {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "NVIDIA GeForce RTX 3060/PCIe/SSE2",
                           "AMD Radeon RX 6700 XT (navi22, LLVM 15.0.6, DRM 3.49, 6.1.0)", ""}) {
    EXPECT_FALSE(IsCpuRasteriser(name)) << name;
  }
}

// The one window open (the screen's); window ids grow with every window a test program opens.
SDL_Window* OnlyWindow() {
  for (Uint32 id = 1; id < 1000; ++id) {
    if (SDL_Window* window = SDL_GetWindowFromID(id)) return window;
  }
  return nullptr;
}

class WindowBackBuffer : public ::testing::Test {
 protected:
  void TearDown() override {
    CloseScreen();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
};

TEST_F(WindowBackBuffer, FlipShowsTheBackBufferInTheWindow) {
  ASSERT_TRUE(OpenScreen(64, 48, 0, 60, RendererKind::Software)) << SDL_GetError();
  EXPECT_FALSE(IsHeadless());
  SDL_Surface* back = SoftwareTarget(ScreenRenderer());
  ASSERT_NE(back, nullptr) << "sprites are written straight into a software window's back buffer";
  ASSERT_EQ(back->format->format, SDL_PIXELFORMAT_ARGB8888);
  Cls();
  SetBlend(kBlendAlpha);
  SetColor(200, 40, 10);
  SetAlpha(0.5f);
  DrawRect(5, 7, 20, 11);
  Flip(0);
  SDL_Window* window = OnlyWindow();
  SDL_Surface* shown = window ? SDL_GetWindowSurface(window) : nullptr;
  ASSERT_NE(shown, nullptr);
  ASSERT_EQ(shown->w, 64);
  int differing = 0, lit = 0;
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) {
      Uint8 r, g, b, br, bg, bb;
      SDL_GetRGB(static_cast<const Uint32*>(shown->pixels)[y * shown->pitch / 4 + x], shown->format, &r, &g, &b);
      SDL_GetRGB(static_cast<const Uint32*>(back->pixels)[y * back->pitch / 4 + x], back->format, &br, &bg, &bb);
      differing += r != br || g != bg || b != bb;
      lit += r != 0;
    }
  }
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(lit, 20 * 11) << "the half-transparent rectangle over black";
}

}  // namespace
}  // namespace tolvex
