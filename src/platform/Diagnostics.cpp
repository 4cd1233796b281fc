#include "platform/Diagnostics.h"

#include <SDL.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "platform/Graphics.h"

namespace tolvex {

bool DebugLogOn() {
  static const bool enabled = std::getenv("TOLVEX_DEBUG") != nullptr;
  return enabled;
}

void WriteDebugLine(std::string_view text) {
  if (DebugLogOn()) std::cerr << text << '\n';
}

void Notify(std::string_view text) {
  const std::string message(text);
  std::cerr << message << '\n';
  // A message box needs a real display; without one the line on standard error is all there is.
  const char* driver = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetCurrentVideoDriver() : nullptr;
  const bool realDisplay = driver && std::string(driver) != "dummy" && std::string(driver) != "offscreen";
  if (!IsHeadless() && realDisplay) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, "Tolvex 1.07", message.c_str(), nullptr);
  }
}

}  // namespace tolvex
