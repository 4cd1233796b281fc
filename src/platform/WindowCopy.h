#pragma once
// Copying a finished software frame into the window's surface, the last full-screen pass of every
// frame: byte for byte where both hold their pixels alike, written past the caches, and shared by
// the two threads that drew the frame.
#include <SDL_surface.h>

#include <atomic>
#include <functional>
#include <thread>

namespace tolvex {

// True where `to` holds each pixel of `from` in the same four bytes, but for the byte `from`
// keeps its alpha in, which `to` ignores (a 24-bit X11 window's surface, mostly): same size,
// and an ARGB8888 frame copied into ARGB8888 or RGB888.
bool PixelsLaidOutAlike(const SDL_Surface& from, const SDL_Surface& to);
// Copies rows [top, bottom) of `from` into `to`, which PixelsLaidOutAlike accepts. The rows are
// written around the caches: the window system reads them next, not the game, and SDL's own copy
// converts such a frame pixel by pixel, at 4K twice as long.
void StreamPixelRows(const SDL_Surface& from, SDL_Surface& to, int top, int bottom);

// One frame's copy into the window, made band by band by the threads that drew it. Only the
// thread that made the copy takes the window's surface, once the window system is done with the
// frame before; the other waits for it.
class BandedWindowCopy {
 public:
  // `takeWindowSurface` runs once, on the thread that constructs the copy.
  BandedWindowCopy(const SDL_Surface& back, std::function<SDL_Surface*()> takeWindowSurface);
  BandedWindowCopy(const BandedWindowCopy&) = delete;
  BandedWindowCopy& operator=(const BandedWindowCopy&) = delete;

  // Copies rows [top, bottom) of the back buffer, on either thread.
  void CopyRows(int top, int bottom);
  // The window's surface (null where there is none): taken on the first call on the constructing
  // thread, waited for on the other.
  SDL_Surface* WindowSurface();
  // Whether CopyRows copied: false before, where there is no window surface, or where it lies
  // otherwise than the back buffer (a window of another size), and the frame is still to be copied.
  bool Copied() const;

 private:
  const SDL_Surface& back_;
  std::function<SDL_Surface*()> takeWindowSurface_;
  const std::thread::id owner_ = std::this_thread::get_id();
  std::atomic<SDL_Surface*> taken_{nullptr};
  std::atomic<bool> handedOver_{false};
};

}  // namespace tolvex
