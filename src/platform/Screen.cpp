// The window (or offscreen back buffer) and its SDL renderer.
#include <SDL.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "platform/AsyncPresenter.h"
#include "platform/DrawBands.h"
#include "platform/DrawCalls.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/WindowCopy.h"
#include "platform/RendererSession.h"

namespace tolvex {

namespace {

struct ScreenState {
  SDL_Window* window = nullptr;
  // The back buffer the software renderer draws into: offscreen, or copied to the window on Flip.
  SDL_Surface* surface = nullptr;
  SDL_Renderer* renderer = nullptr;
  // Shows the window's surface while the next frame is computed (X11 only, see ShowBackBuffer).
  std::unique_ptr<AsyncPresenter> presenter;
  // A GPU renderer's picture while the window is another size than the game's screen (full screen
  // on a display of another size): drawn at the game's size, then scaled into the window.
  SDL_Texture* picture = nullptr;
  void (*glFinish)() = nullptr;  // the OpenGL renderers' wait for the GPU
  int width = 0, height = 0, hertz = 60;
  Uint32 lastPacedFlip = 0;
  // A capped window whose renderer has no vsync: every Flip waits like Flip(−1).
  bool paceEveryFlip = false;
  std::string title = "Tolvex";
};

ScreenState& Screen() {
  static ScreenState screen;
  return screen;
}

int& Generation() {
  static int generation = 0;
  return generation;
}

// The OpenGL driver of the current context draws on the CPU.
bool OpenGlDrawsOnCpu() {
  constexpr unsigned kGlRenderer = 0x1F01;
  using GetString = const unsigned char* (*)(unsigned);
  const auto glGetString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const unsigned char* name = glGetString ? glGetString(kGlRenderer) : nullptr;
  return name && IsCpuRasteriser(reinterpret_cast<const char*>(name));
}

// TOLVEX_RENDERER: "accelerated" keeps an OpenGL driver that draws on the CPU (for comparing
// the two), "software" skips the accelerated renderer altogether; empty when unset.
std::string_view RendererChoice() {
  const char* choice = std::getenv("TOLVEX_RENDERER");
  return choice ? choice : "";
}

bool OnX11() {
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver && std::string_view(driver) == "x11";
}

// On X11 a window's pixels go straight to the server (shared memory) instead of through an
// OpenGL texture, which on a machine without a GPU costs a whole extra full-screen copy.
void PreferNativeWindowBuffer() {
  if (OnX11()) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

bool OpenGpuRenderer(ScreenState& screen) {
  const std::string_view choice = RendererChoice();
  if (choice == "software") return false;
  screen.renderer = SDL_CreateRenderer(screen.window, -1, SDL_RENDERER_ACCELERATED);
  SDL_RendererInfo info{};
  if (!screen.renderer || SDL_GetRendererInfo(screen.renderer, &info) != 0) return false;
  if (!std::string_view(info.name).starts_with("opengl")) return true;
  if (OpenGlDrawsOnCpu() && choice != "accelerated") return false;
  screen.glFinish = reinterpret_cast<void (*)()>(SDL_GL_GetProcAddress("glFinish"));
  return true;
}

// The software renderer draws into a back buffer of the game's own pixel format, the same as
// a headless screen's, so both paint identical pictures; Flip copies it to the window.
bool OpenSoftwareRenderer(ScreenState& screen, int width, int height) {
  screen.surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!screen.surface) return false;
  // Its alpha means nothing once shown: it is copied to the window as it is, not blended.
  SDL_SetSurfaceBlendMode(screen.surface, SDL_BLENDMODE_NONE);
  screen.renderer = SDL_CreateSoftwareRenderer(screen.surface);
  return screen.renderer != nullptr;
}

// A software window on X11 is shown by the X server copying its surface out of shared memory
// while SDL waits for it: a full-screen copy per frame, which an X server without a GPU (Xvfb,
// or any server under load) may take several milliseconds over. The wait moves to a thread of
// its own, so the game computes the next frame meanwhile; SDL's X11 driver makes Xlib safe for
// threads. Elsewhere the window is shown on the game's thread.
void StartPresenter(ScreenState& screen) {
  if (!screen.window || !screen.surface || !OnX11()) return;
  SDL_Window* window = screen.window;
  screen.presenter = std::make_unique<AsyncPresenter>([window] { SDL_UpdateWindowSurface(window); });
}

// True when the picture lies in its area at its own size, pixel for pixel.
bool Unscaled(const SDL_Rect& area, const ScreenState& screen) { return area.w == screen.width && area.h == screen.height; }

// Black bars beside or above and below the picture where it does not fill the window.
void FillBars(SDL_Surface* shown, const SDL_Rect& picture) {
  const SDL_Rect bars[] = {{0, 0, shown->w, picture.y},
                           {0, picture.y + picture.h, shown->w, shown->h - picture.y - picture.h},
                           {0, picture.y, picture.x, picture.h},
                           {picture.x + picture.w, picture.y, shown->w - picture.x - picture.w, picture.h}};
  SDL_FillRects(shown, bars, 4, SDL_MapRGB(shown->format, 0, 0, 0));
}

// Copies the back buffer into the window's surface: as it is, or scaled to fit a window of another size.
bool CopyBackBuffer(const ScreenState& screen, SDL_Surface* shown) {
  const SDL_Rect picture = PictureArea(shown->w, shown->h, screen.width, screen.height);
  if (Unscaled(picture, screen)) {
    if (!PixelsLaidOutAlike(*screen.surface, *shown)) return SDL_BlitSurface(screen.surface, nullptr, shown, nullptr) == 0;
    StreamPixelRows(*screen.surface, *shown, 0, shown->h);
    return true;
  }
  FillBars(shown, picture);
  SDL_Rect target = picture;
  // Smooth where both hold the same pixel format; SDL's own stretch otherwise.
  return SDL_SoftStretchLinear(screen.surface, nullptr, shown, &target) == 0 ||
         SDL_BlitScaled(screen.surface, nullptr, shown, &target) == 0;
}

// Finishes a software frame, copies it to the window and shows it. Where the window's surface holds
// its pixels as the back buffer does, the two threads that drew the frame copy it, each its band.
void ShowBackBuffer(const ScreenState& screen) {
  // The window's surface is taken, and written, only once the server has copied the frame before.
  BandedWindowCopy copy(*screen.surface, [&screen] {
    if (screen.presenter) screen.presenter->WaitUntilShown();
    return SDL_GetWindowSurface(screen.window);
  });
  const bool banded = DrawKeptCalls([&copy](int top, int bottom) { copy.CopyRows(top, bottom); });
  if (!banded || !copy.Copied()) {
    SDL_RenderPresent(screen.renderer);
    SDL_Surface* shown = copy.WindowSurface();
    if (!shown || !CopyBackBuffer(screen, shown)) return;
  }
  if (screen.presenter) {
    // The X server is free now and busy while it copies the frame, and SDL's connection to it with
    // it: the window's events are taken now, so the next frame need not wait to read them.
    CollectEvents();
    screen.presenter->Show();
  } else {
    SDL_UpdateWindowSurface(screen.window);
  }
}

// Sizes a hand-edited settings file may hold but no screen can have.
bool PlausibleSize(int width, int height) {
  return width > 0 && height > 0 && width <= kMaxScreenSide && height <= kMaxScreenSide;
}

// Shows a GPU renderer's frame. While the window is the game's size the game draws straight into it;
// while it is another size the game draws into a picture of its own size, scaled into the window here.
void PresentGpuFrame(ScreenState& screen) {
  SDL_Renderer* renderer = screen.renderer;
  if (screen.picture) {
    SDL_Rect clip;
    SDL_RenderGetClipRect(renderer, &clip);
    SDL_SetRenderTarget(renderer, nullptr);
    int width = 0, height = 0;
    SDL_GetRendererOutputSize(renderer, &width, &height);
    const SDL_Rect area = PictureArea(width, height, screen.width, screen.height);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, screen.picture, nullptr, &area);
    SDL_RenderPresent(renderer);
    if (Unscaled(area, screen)) {
      SDL_DestroyTexture(screen.picture);
      screen.picture = nullptr;
    } else {
      SDL_SetRenderTarget(renderer, screen.picture);
    }
    SDL_RenderSetClipRect(renderer, SDL_RectEmpty(&clip) ? nullptr : &clip);
    return;
  }
  SDL_RenderPresent(renderer);
  int width = 0, height = 0;
  SDL_GetRendererOutputSize(renderer, &width, &height);
  if (width == screen.width && height == screen.height) return;
  screen.picture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, screen.width,
                                     screen.height);
  if (!screen.picture) return;
  SDL_SetTextureScaleMode(screen.picture, SDL_ScaleModeLinear);
  SDL_RenderSetClipRect(renderer, nullptr);
  SDL_SetRenderTarget(renderer, screen.picture);
}

void Opened(int width, int height, int hertz) {
  auto& screen = Screen();
  screen.width = width, screen.height = height, screen.hertz = hertz > 0 ? hertz : 60;
  screen.paceEveryFlip = false;
  NextRendererGeneration();
  SDL_SetRenderDrawBlendMode(screen.renderer, SDL_BLENDMODE_BLEND);
  ResetDrawState();
}

}  // namespace

SDL_Rect PictureArea(int outerWidth, int outerHeight, int width, int height) {
  if (width <= 0 || height <= 0 || (outerWidth == width && outerHeight == height)) return {0, 0, outerWidth, outerHeight};
  const double scale = std::min(static_cast<double>(outerWidth) / width, static_cast<double>(outerHeight) / height);
  const int w = static_cast<int>(std::lround(width * scale)), h = static_cast<int>(std::lround(height * scale));
  return {(outerWidth - w) / 2, (outerHeight - h) / 2, w, h};
}

bool IsCpuRasteriser(std::string_view glRenderer) {
  constexpr std::array<std::string_view, 4> kCpuDrivers{"llvmpipe", "softpipe", "Software Rasterizer", "SWR"};
  for (const std::string_view driver : kCpuDrivers) {
    if (glRenderer.find(driver) != std::string_view::npos) return true;
  }
  return false;
}

int RendererGeneration() { return Generation(); }
void NextRendererGeneration() { ++Generation(); }

SDL_Surface* SoftwareTarget(SDL_Renderer* renderer) {
  const auto& screen = Screen();
  return renderer && renderer == screen.renderer ? screen.surface : nullptr;
}

bool OpenScreen(int width, int height, int depth, int hertz, RendererKind kind) {
  CloseScreen();
  // Video is started even for a size that is refused, so the notice that follows can show a box.
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0 || !PlausibleSize(width, height)) return false;
  PreferNativeWindowBuffer();
  auto& screen = Screen();
  // Hidden until its renderer is chosen, so a renderer that is tried and refused never flashes.
  const Uint32 flags = SDL_WINDOW_HIDDEN | (depth == 0 ? 0 : SDL_WINDOW_FULLSCREEN);
  screen.window = SDL_CreateWindow(screen.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                   height, flags);
  const bool opened = screen.window && (kind == RendererKind::Accelerated ? OpenGpuRenderer(screen)
                                                                         : OpenSoftwareRenderer(screen, width, height));
  if (!opened) {
    CloseScreen();
    return false;
  }
  SDL_ShowWindow(screen.window);
  StartPresenter(screen);
  Opened(width, height, hertz);
  return true;
}

bool OpenHeadlessScreen(int width, int height) {
  CloseScreen();
  if (!PlausibleSize(width, height)) return false;
  if (!OpenSoftwareRenderer(Screen(), width, height)) {
    CloseScreen();
    return false;
  }
  Opened(width, height, 60);
  return true;
}

void CloseScreen() {
  auto& screen = Screen();
  FinishKeptCalls();  // the calls kept for the bands refer to this screen's back buffer and textures
  screen.presenter.reset();  // the frame in flight reaches the window before it goes
  if (screen.picture) SDL_DestroyTexture(screen.picture);
  screen.picture = nullptr;
  if (screen.renderer) SDL_DestroyRenderer(screen.renderer);
  if (screen.window) SDL_DestroyWindow(screen.window);
  if (screen.surface) SDL_FreeSurface(screen.surface);
  if (screen.renderer || screen.window || screen.surface) NextRendererGeneration();
  screen.renderer = nullptr, screen.window = nullptr, screen.surface = nullptr;
  screen.glFinish = nullptr;
}

bool IsHeadless() { return Screen().surface != nullptr && !Screen().window; }
SDL_Renderer* ScreenRenderer() { return Screen().renderer; }
int ScreenWidth() { return Screen().width; }
int ScreenHeight() { return Screen().height; }

void SetWindowTitle(std::string_view title) {
  auto& screen = Screen();
  screen.title = std::string(title);
  if (screen.window) SDL_SetWindowTitle(screen.window, screen.title.c_str());
}

void DesktopMode(int& width, int& height, int& depth) {
  SDL_DisplayMode mode;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0 && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    width = mode.w, height = mode.h, depth = SDL_BITSPERPIXEL(mode.format) == 24 ? 32 : SDL_BITSPERPIXEL(mode.format);
    return;
  }
  width = 1024, height = 768, depth = 32;
}

void SetMouseVisible(bool visible) {
  if (Screen().window) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void Cls() {
  auto* renderer = Screen().renderer;
  if (!renderer) return;
  RenderClear(renderer, SDL_Color{0, 0, 0, 255});
}

void CapFrameRate(bool on) {
  auto& screen = Screen();
  screen.paceEveryFlip = false;
  if (!screen.window) return;
  // A software back buffer reaches the window through Flip's copy, which no vsync governs.
  const bool vsync = !screen.surface && SDL_RenderSetVSync(screen.renderer, on ? 1 : 0) == 0;
  if (vsync || !on) return;
  // No vsync: a timed wait at the display's rate instead.
  SDL_DisplayMode mode;
  if (SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(screen.window), &mode) == 0 && mode.refresh_rate > 0)
    screen.hertz = mode.refresh_rate;
  screen.paceEveryFlip = true;
}

void Flip(int sync) {
  auto& screen = Screen();
  if (!screen.renderer) return;
  if ((sync != 0 || screen.paceEveryFlip) && screen.window) {
    // Pace to the screen's rate: wait until one period has passed since the last paced flip.
    const Uint32 period = 1000u / static_cast<Uint32>(screen.hertz);
    const Uint32 elapsed = SDL_GetTicks() - screen.lastPacedFlip;
    if (elapsed < period) SDL_Delay(period - elapsed);
    screen.lastPacedFlip = SDL_GetTicks();
  }
  if (screen.window && screen.surface) {
    ShowBackBuffer(screen);
  } else {
    DrawKeptCalls();
    if (screen.window) PresentGpuFrame(screen);
    else SDL_RenderPresent(screen.renderer);
  }
  if (sync != 0) PumpWindowEvents();
}

void ToggleFullScreen() {
  auto& screen = Screen();
  if (!screen.window) return;
  // The window's surface changes with its size: the frame in flight is shown first.
  if (screen.presenter) screen.presenter->WaitUntilShown();
  const bool full = (SDL_GetWindowFlags(screen.window) & SDL_WINDOW_FULLSCREEN) != 0;
  // Full screen at the desktop's own size: no change of display mode, so it comes and goes at once.
  SDL_SetWindowFullscreen(screen.window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

bool IsFullScreen() {
  const auto& screen = Screen();
  return screen.window && (SDL_GetWindowFlags(screen.window) & SDL_WINDOW_FULLSCREEN) != 0;
}

namespace {

// Where the game's picture lies in the window, in the window's points; false while they are the same size.
bool ScaledPictureInWindow(SDL_Rect& area) {
  const auto& screen = Screen();
  if (!screen.window) return false;
  int width = 0, height = 0;
  SDL_GetWindowSize(screen.window, &width, &height);
  area = PictureArea(width, height, screen.width, screen.height);
  return !Unscaled(area, Screen()) && area.w > 0 && area.h > 0;
}

}  // namespace

void WindowPointToScreen(float& x, float& y) {
  SDL_Rect area;
  if (!ScaledPictureInWindow(area)) return;
  x = (x - static_cast<float>(area.x)) * static_cast<float>(Screen().width) / static_cast<float>(area.w);
  y = (y - static_cast<float>(area.y)) * static_cast<float>(Screen().height) / static_cast<float>(area.h);
}

void ScreenPointToWindow(float& x, float& y) {
  SDL_Rect area;
  if (!ScaledPictureInWindow(area)) return;
  x = static_cast<float>(area.x) + x * static_cast<float>(area.w) / static_cast<float>(Screen().width);
  y = static_cast<float>(area.y) + y * static_cast<float>(area.h) / static_cast<float>(Screen().height);
}

void PumpWindowEvents() {
  const auto& screen = Screen();
  if (!screen.window) return;
  // While a frame is shown, reading the window system would wait until it is: the events taken
  // just before it was handed over are handled, the rest on the next frame.
  PumpEvents(!(screen.presenter && screen.presenter->Showing()));
}

void FinishDrawing() {
  auto& screen = Screen();
  if (!screen.renderer) return;
  DrawKeptCalls();
  SDL_RenderFlush(screen.renderer);
  if (screen.glFinish) screen.glFinish();
}

Pixmap GrabPixmap(int x, int y, int width, int height) {
  Pixmap picture(std::max(0, width), std::max(0, height));
  auto* renderer = Screen().renderer;
  if (!renderer || picture.pixels.empty()) return picture;
  DrawKeptCalls();
  const SDL_Rect area{x, y, width, height};
  SDL_RenderReadPixels(renderer, &area, SDL_PIXELFORMAT_ARGB8888, picture.pixels.data(), width * 4);
  // The back buffer's alpha means nothing once shown; a picture of it is opaque.
  for (auto& pixel : picture.pixels) pixel |= 0xFF000000u;
  return picture;
}

}  // namespace tolvex
