#include "shell/GameStates.h"

#include <cmath>

#include "core/GameRequests.h"
#include "core/Globals.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "shell/DebugSpawn.h"
#include "shell/Screenshots.h"
#include "stages/TLevel.h"
#include "ui/TMessage.h"
#include "world/PlayerShip.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

namespace {

void LeaveState() {
  // Main menu and highscore screen: their menus shut down here; the highscore panel is dropped.
}

void EnterState() {
  switch (GameState) {
    case kStateMainMenu:
      TLevel::SetLevel(nullptr);
      // The main menu buttons are built here.
      break;
    case kStateHighscore:
      // The highscore menu, the finished game's entry and the highscore panel are built here.
      break;
    case kStateGame: StartGame(); break;
    default: break;
  }
}

}  // namespace

void ChangeGameState(std::uint8_t state) {
  LeaveState();
  GameState = state;
  EnterState();
}

void StartGame() {
  Universe->Clear();
  CreateStartingPlayerShip();
  CameraTarget = Player;
  TMessage::Add("Start Game", 5000, 2.0f, 0xF09300);
  if (Levels.size() > 1) TLevel::SetLevel(Levels[1]);
  Difficulty = 1.0f;
  BonusGunLevel = 1;
  CheatUsed = 0;
  ClearKeyPresses();
  SpawnDebugShips();
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
      // The sliding menu and the player's HUD are drawn here.
      TMessage::DrawAll();
      break;
    default: break;
  }
}

void TakeMenuScreenshotOnKey() {
  if (GameState != kStateMainMenu && GameState != kStateHighscore) return;
  if (KeyPressed(KEY_LALT)) TakeScreenshot();
}

void ProcessStateInput() {
  switch (GameState) {
    case kStateMainMenu:
      // The menu's commands ("start_game", "highscore", "quit") are handled here.
      if (KeyPressed(KEY_ESCAPE)) QuitGame = 1;
      break;
    case kStateHighscore:
      // The panel scrolls with the arrows, and the menu's commands are handled here.
      if (KeyPressed(KEY_ESCAPE)) SetGameState(kStateMainMenu);
      break;
    default: break;
  }
}

}  // namespace tolvex
