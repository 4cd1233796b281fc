#include "core/GameRequests.h"

#include "core/Globals.h"

namespace tolvex {

namespace {
GameStateChanger installedChanger = nullptr;
}  // namespace

void SetGameStateChanger(GameStateChanger changer) { installedChanger = changer; }

void SetGameState(std::uint8_t state) {
  if (installedChanger) {
    installedChanger(state);
  } else {
    GameState = state;
  }
}

void RequestScreenshot() { ScreenshotRequested = 1; }

}  // namespace tolvex
