#include "shell/GameStates.h"

#include <cmath>

#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "shell/Globals.h"
#include "shell/Screenshots.h"
#include "world/TUniverse.h"

namespace tolvex {

namespace {

void LeaveState() {
  // Main menu and highscore screen: their menus shut down here; the highscore panel is dropped.
}

void EnterState() {
  switch (GameState) {
    case kStateMainMenu:
      // The nameless menu stage and the main menu buttons are chosen here.
      break;
    case kStateHighscore:
      // The highscore menu, the finished game's entry and the highscore panel are built here.
      break;
    case kStateGame: StartGame(); break;
    default: break;
  }
}

}  // namespace

void SetGameState(std::uint8_t state) {
  LeaveState();
  GameState = state;
  EnterState();
}

void StartGame() {
  Universe->Clear();
  Player = nullptr;
  // The player's ship is built here ("pj_modernx"), with its points, aim help, auto reload and
  // multikill best, and the camera is set to follow it.
  CameraTarget = nullptr;
  // "Start Game" is announced here, and the first stage of the table selected.
  Difficulty = 1.0f;
  BonusGunLevel = 1;
  CheatUsed = 0;
  ClearKeyPresses();
}

void DrawMenuLogo(int x, int y) {
  static const ImagePtr base = [] {
    auto image = LoadImage("incbin::..\\gfx\\Logo2a.png");
    CentreHandle(image);
    return image;
  }();
  static const ImagePtr glow = [] {
    auto image = LoadImage("incbin::..\\gfx\\Logo2b.png");
    CentreHandle(image);
    return image;
  }();
  // One phase shared by both corner logos; two calls a frame make it turn 90° a second.
  static float phase = 0;
  phase = std::fmod(phase + 45.0f / FrameRate, 360.0f);
  SetBlend(kBlendAlpha);
  SetAlpha(1);
  DrawImage(base, static_cast<float>(x), static_cast<float>(y));
  SetAlpha(std::fabs(std::cos(phase * 3.14159265f / 180.0f)));
  DrawImage(glow, static_cast<float>(x), static_cast<float>(y));
  SetAlpha(1);
}

void DrawStateLayer() {
  switch (GameState) {
    case kStateMainMenu:
      DrawMenuLogo(60, GfxHeight - 60);
      DrawMenuLogo(GfxWidth - 60, GfxHeight - 60);
      // The menu buttons are drawn here.
      break;
    case kStateHighscore:
      // The highscore panel is drawn here.
      DrawMenuLogo(60, GfxHeight - 60);
      DrawMenuLogo(GfxWidth - 60, GfxHeight - 60);
      // The menu buttons are drawn here.
      break;
    case kStateGame:
      // The sliding menu, the player's HUD and the messages are drawn here.
      break;
    default: break;
  }
}

void ProcessStateInput() {
  switch (GameState) {
    case kStateMainMenu:
      if (KeyPressed(KEY_LALT)) TakeScreenshot();
      // The menu's commands ("start_game", "highscore", "quit") are handled here.
      if (KeyPressed(KEY_ESCAPE)) QuitGame = 1;
      break;
    case kStateHighscore:
      if (KeyPressed(KEY_LALT)) TakeScreenshot();
      // The panel scrolls with the arrows, and the menu's commands are handled here.
      if (KeyPressed(KEY_ESCAPE)) SetGameState(kStateMainMenu);
      break;
    default: break;
  }
}

}  // namespace tolvex
