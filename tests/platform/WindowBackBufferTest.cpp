// A window drawn in software shows exactly what its back buffer holds, and OpenGL drivers that
// draw on the CPU are told from graphics cards.
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/DrawBands.h"
#include "platform/DrawCalls.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Keys.h"
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

// Drawn on one thread, or on two that also copy the frame into the window, each its own band.
class WindowBackBuffer : public ::testing::TestWithParam<bool> {
 protected:
  void TearDown() override {
    CloseScreen();
    UseDrawBands(false);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
};

INSTANTIATE_TEST_SUITE_P(OneThreadAndBands, WindowBackBuffer, ::testing::Bool());

TEST_P(WindowBackBuffer, FlipShowsTheBackBufferInTheWindow) {
  UseDrawBands(GetParam());
  SetBandSeam(17);  // through the rectangle
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

TEST(PictureArea, KeepsThePicturesShapeInTheMiddleOfTheWindow) {
  const struct {
    int outerWidth, outerHeight, width, height;
    SDL_Rect area;
  } cases[] = {
      {1280, 720, 1280, 720, {0, 0, 1280, 720}},     // the same size: as it is
      {1920, 1080, 1280, 720, {0, 0, 1920, 1080}},   // the same shape: fills the display
      {1920, 1200, 1280, 720, {0, 60, 1920, 1080}},  // a taller display: bars above and below
      {2560, 1080, 1280, 720, {320, 0, 1920, 1080}}, // a wider display: bars beside
      {1024, 768, 1280, 720, {0, 96, 1024, 576}},    // a smaller display: shrunk
  };
  for (const auto& c : cases) {
    const SDL_Rect area = PictureArea(c.outerWidth, c.outerHeight, c.width, c.height);
    EXPECT_TRUE(SDL_RectEquals(&area, &c.area)) << c.outerWidth << "x" << c.outerHeight << ": " << area.x << ","
                                                << area.y << " " << area.w << "x" << area.h;
  }
}

void PressF11() {
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.keysym.sym = SDLK_F11;
  SDL_PushEvent(&key);
  key.type = SDL_KEYUP;
  SDL_PushEvent(&key);
  PumpEvents();
}

// F11 belongs to the window: it switches to full screen and back at once and never reaches the
// game; in full screen the picture is scaled to the display, of its shape or another, and the
// pointer is read back in the game's own pixels.
TEST_P(WindowBackBuffer, F11SwitchesToFullScreenWithThePictureScaledToTheDisplay) {
  UseDrawBands(GetParam());
  SDL_DisplayMode desktop;
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
  ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktop), 0);
  // A picture of the display's shape fills it; one twice as wide as high gets bars above and below.
  for (const int height : {64 * desktop.h / desktop.w, 32}) {
    ASSERT_TRUE(OpenScreen(64, height, 0, 60, RendererKind::Software)) << SDL_GetError();
    const SDL_Rect area = PictureArea(desktop.w, desktop.h, 64, height);
    ResetInput();
    PressF11();
    EXPECT_TRUE(IsFullScreen());
    EXPECT_EQ(KeyPressed(KEY_F1 + 10), 0) << "the game never sees F11";
    Cls();
    SetBlend(kBlendSolid);
    SetColor(255, 0, 0);
    DrawRect(0, 0, 32, static_cast<float>(height));
    SetColor(0, 0, 255);
    DrawRect(32, 0, 32, static_cast<float>(height));
    Flip(0);
    SDL_Surface* shown = SDL_GetWindowSurface(OnlyWindow());
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(shown->w, desktop.w);
    const auto colour = [&](int x, int y) {
      Uint8 r, g, b;
      SDL_GetRGB(static_cast<const Uint32*>(shown->pixels)[y * shown->pitch / 4 + x], shown->format, &r, &g, &b);
      return (r << 16) | (g << 8) | b;
    };
    EXPECT_EQ(colour(area.x, area.y), 0xFF0000) << height;
    EXPECT_EQ(colour(area.x + area.w - 1, area.y + area.h - 1), 0x0000FF) << height;
    if (area.y > 0) {
      EXPECT_EQ(colour(desktop.w / 2, area.y - 1), 0) << "a black bar above";
      EXPECT_EQ(colour(desktop.w / 2, area.y + area.h), 0) << "and below";
    }
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = area.x + area.w / 2;
    motion.motion.y = area.y + area.h / 4;
    SDL_PushEvent(&motion);
    PumpEvents();
    EXPECT_NEAR(PointerX(), 32, 0.5f) << height;
    EXPECT_NEAR(PointerY(), static_cast<float>(height) / 4, 0.5f) << height;
    PressF11();
    EXPECT_FALSE(IsFullScreen());
    CloseScreen();
  }
}

}  // namespace
}  // namespace tolvex
