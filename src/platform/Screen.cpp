// The window (or offscreen back buffer) and its SDL renderer.
#include <SDL.h>

#include "platform/DrawCalls.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/RendererSession.h"

namespace tolvex {

namespace {

struct ScreenState {
  SDL_Window* window = nullptr;
  SDL_Surface* surface = nullptr;  // the back buffer of a headless screen
  SDL_Renderer* renderer = nullptr;
  bool software = false;  // the renderer draws on the CPU into a surface
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

// Sizes a hand-edited settings file may hold but no screen can have.
bool PlausibleSize(int width, int height) {
  return width > 0 && height > 0 && width <= kMaxScreenSide && height <= kMaxScreenSide;
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

int RendererGeneration() { return Generation(); }
void NextRendererGeneration() { ++Generation(); }

SDL_Surface* SoftwareTarget(SDL_Renderer* renderer) {
  const auto& screen = Screen();
  if (!renderer || renderer != screen.renderer || !screen.software) return nullptr;
  if (screen.surface) return screen.surface;
  SDL_Surface* surface = SDL_GetWindowSurface(screen.window);
  return surface && surface->format->format == SDL_PIXELFORMAT_ARGB8888 ? surface : nullptr;
}

bool OpenScreen(int width, int height, int depth, int hertz, RendererKind kind) {
  CloseScreen();
  // Video is started even for a size that is refused, so the notice that follows can show a box.
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0 || !PlausibleSize(width, height)) return false;
  auto& screen = Screen();
  const Uint32 flags = depth == 0 ? SDL_WINDOW_SHOWN : (SDL_WINDOW_SHOWN | SDL_WINDOW_FULLSCREEN);
  screen.window = SDL_CreateWindow(screen.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                   height, flags);
  if (!screen.window) return false;
  const Uint32 rendererFlags = kind == RendererKind::Accelerated ? SDL_RENDERER_ACCELERATED : SDL_RENDERER_SOFTWARE;
  screen.renderer = SDL_CreateRenderer(screen.window, -1, rendererFlags);
  SDL_RendererInfo info{};
  if (!screen.renderer || SDL_GetRendererInfo(screen.renderer, &info) != 0) {
    CloseScreen();
    return false;
  }
  screen.software = (info.flags & SDL_RENDERER_SOFTWARE) != 0;
  if (std::string_view(info.name).starts_with("opengl")) {
    screen.glFinish = reinterpret_cast<void (*)()>(SDL_GL_GetProcAddress("glFinish"));
  }
  Opened(width, height, hertz);
  return true;
}

bool OpenHeadlessScreen(int width, int height) {
  CloseScreen();
  if (!PlausibleSize(width, height)) return false;
  auto& screen = Screen();
  screen.surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!screen.surface) return false;
  screen.renderer = SDL_CreateSoftwareRenderer(screen.surface);
  if (!screen.renderer) {
    CloseScreen();
    return false;
  }
  screen.software = true;
  Opened(width, height, 60);
  return true;
}

void CloseScreen() {
  auto& screen = Screen();
  if (screen.renderer) SDL_DestroyRenderer(screen.renderer);
  if (screen.window) SDL_DestroyWindow(screen.window);
  if (screen.surface) SDL_FreeSurface(screen.surface);
  if (screen.renderer || screen.window || screen.surface) NextRendererGeneration();
  screen.renderer = nullptr, screen.window = nullptr, screen.surface = nullptr;
  screen.software = false;
  screen.glFinish = nullptr;
}

bool IsHeadless() { return Screen().surface != nullptr; }
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
  if (SDL_RenderSetVSync(screen.renderer, on ? 1 : 0) == 0 || !on) return;
  // No vsync from this renderer: a timed wait at the display's rate instead.
  SDL_DisplayMode mode;
  if (SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(screen.window), &mode) == 0 && mode.refresh_rate > 0)
    screen.hertz = mode.refresh_rate;
  screen.paceEveryFlip = true;
}

void Flip(int sync) {
  auto& screen = Screen();
  if (!screen.renderer) return;
  if ((sync != 0 || screen.paceEveryFlip) && !screen.surface) {
    // Pace to the screen's rate: wait until one period has passed since the last paced flip.
    const Uint32 period = 1000u / static_cast<Uint32>(screen.hertz);
    const Uint32 elapsed = SDL_GetTicks() - screen.lastPacedFlip;
    if (elapsed < period) SDL_Delay(period - elapsed);
    screen.lastPacedFlip = SDL_GetTicks();
  }
  SDL_RenderPresent(screen.renderer);
  if (sync != 0) PumpWindowEvents();
}

void PumpWindowEvents() {
  if (Screen().window) PumpEvents();
}

void FinishDrawing() {
  auto& screen = Screen();
  if (!screen.renderer) return;
  SDL_RenderFlush(screen.renderer);
  if (screen.glFinish) screen.glFinish();
}

Pixmap GrabPixmap(int x, int y, int width, int height) {
  Pixmap picture(std::max(0, width), std::max(0, height));
  auto* renderer = Screen().renderer;
  if (!renderer || picture.pixels.empty()) return picture;
  const SDL_Rect area{x, y, width, height};
  SDL_RenderReadPixels(renderer, &area, SDL_PIXELFORMAT_ARGB8888, picture.pixels.data(), width * 4);
  // The back buffer's alpha means nothing once shown; a picture of it is opaque.
  for (auto& pixel : picture.pixels) pixel |= 0xFF000000u;
  return picture;
}

}  // namespace tolvex
