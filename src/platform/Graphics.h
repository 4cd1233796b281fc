#pragma once
// The screen and immediate-mode drawing with one global drawing state.
#include <SDL_rect.h>

#include <string_view>

#include "platform/Image.h"

struct SDL_Renderer;

namespace tolvex {

class SpriteSpans;

class Font;

// The five blend modes the game's effects and layers name by number.
enum BlendMode : int { kBlendMask = 1, kBlendSolid = 2, kBlendAlpha = 3, kBlendLight = 4, kBlendShade = 5 };

// Which SDL renderer OpenScreen uses; the caller tries them in this order.
enum class RendererKind { Accelerated, Software };

// The largest screen side the game opens; larger (or non-positive) sizes are refused.
constexpr int kMaxScreenSide = 16384;

// Opens a window (depth 0) or full screen (depth 32) with the given renderer;
// false when it cannot be opened. hertz paces Flip(-1).
bool OpenScreen(int width, int height, int depth, int hertz, RendererKind kind);
// Opens an offscreen back buffer drawn by the software renderer: no window, no video driver.
bool OpenHeadlessScreen(int width, int height);
// Closes the screen and its window.
void CloseScreen();
bool IsHeadless();
SDL_Renderer* ScreenRenderer();
int ScreenWidth();
int ScreenHeight();
void SetWindowTitle(std::string_view title);
// The desktop's size and colour depth, for first-run defaults.
void DesktopMode(int& width, int& height, int& depth);
void SetMouseVisible(bool visible);

// Clears the back buffer to black.
void Cls();
// Presents the back buffer: sync 0 at once, −1 paced to the screen's hertz. A paced present also
// reads the window's events (the loops outside the game's frames wait on them there).
void Flip(int sync);
// Waits until everything drawn so far has reached the back buffer (for timing).
void FinishDrawing();
// Reads the window's waiting events into the input state; the main loop does so once per frame,
// as the frame begins, so all input of a frame arrives at one moment (and a replay can give it back).
void PumpWindowEvents();
// Switches the window between a window and full screen at the desktop's size, at once; the
// game's picture keeps its size and is scaled to fit the display.
void ToggleFullScreen();
bool IsFullScreen();
// Turns a point of the window into the game's screen pixels (they differ while the picture is scaled).
void WindowPointToScreen(float& x, float& y);
void ScreenPointToWindow(float& x, float& y);
// Where a picture of width × height lies when scaled to fit an outer area, keeping its shape and
// centred; the whole area when they are the same size.
SDL_Rect PictureArea(int outerWidth, int outerHeight, int width, int height);
// Caps a window's frames at the display's refresh rate: vsync where the renderer offers it,
// otherwise every Flip is paced like Flip(−1). Off again with false; headless screens are never capped.
void CapFrameRate(bool on);

// The drawing state read by every draw call.
struct DrawState {
  int r = 255, g = 255, b = 255;
  float alpha = 1.0f;
  int blend = kBlendAlpha;
  float rotation = 0.0f;
  float scaleX = 1.0f, scaleY = 1.0f;
  int viewX = 0, viewY = 0, viewWidth = 0, viewHeight = 0;
  const Font* font = nullptr;
};
const DrawState& CurrentDrawState();
// Back to white, alpha 1, solid, no rotation, scale 1, whole-screen viewport.
void ResetDrawState();

void SetColor(int r, int g, int b);
void SetAlpha(float alpha);
float GetAlpha();
void SetBlend(int mode);
void SetRotation(float degrees);
float GetRotation();
void SetScale(float sx, float sy);
void SetViewport(int x, int y, int width, int height);
// True while drawing reaches the whole screen.
bool ViewportIsWholeScreen();
void SetFont(const Font* font);

// Draws a frame so that its handle lands on (x, y), rotated and scaled about it.
void DrawImage(const Image& image, float x, float y, int frame = 0);
void DrawImage(const ImagePtr& image, float x, float y, int frame = 0);
// Draws the part (sx, sy, sw, sh) of the image's strip with its top-left at
// offset (u, v) from the pivot (x, y); rotation and scale turn about the pivot.
void DrawImageRect(const Image& image, int sx, int sy, int sw, int sh, float x, float y, float u, float v);
// Draws the visible runs of a sprite that is already turned, with its handle (hx, hy) at
// (x, y), in the current colour, alpha and blend, straight into a software back buffer;
// false, drawing nothing, where that cannot be done (a GPU renderer, a mask, a scale).
bool DrawSpans(const SpriteSpans& sprite, float hx, float hy, float x, float y);
// Repeats the frame over the whole viewport, one copy's handle at (x, y).
void DrawTiled(const ImagePtr& image, float x, float y, int frame = 0);
void DrawText(std::string_view text, float x, float y);
float TextWidth(std::string_view text);
float TextHeight(std::string_view text);
void DrawRect(float x, float y, float width, float height);
void DrawLine(float x1, float y1, float x2, float y2);
void DrawOval(float x, float y, float width, float height);
void Plot(float x, float y);

// Copies a rectangle of the back buffer into a picture.
Pixmap GrabPixmap(int x, int y, int width, int height);

}  // namespace tolvex
