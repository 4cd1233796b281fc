#include "shell/GameStates.h"

#include <cmath>
#include <string>

#include "core/GameRequests.h"
#include "core/Globals.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "scores/TScore.h"
#include "shell/DebugSpawn.h"
#include "shell/HighscoreScreen.h"
#include "shell/Pause.h"
#include "shell/Screenshots.h"
#include "stages/TLevel.h"
#include "ui/TMenue.h"
#include "ui/TMessage.h"
#include "world/PlayerShip.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

namespace {

void LeaveState() {
  switch (GameState) {
    case kStateMainMenu: TMenue::ShutDown(); break;
    case kStateHighscore:
      TMenue::ShutDown();
      HighscorePanel = nullptr;
      break;
    case kStateGame: EndPause(); break;
    default: break;
  }
}

void DrawMenuLogos() {
  DrawMenuLogo(60, GfxHeight - 60);
  DrawMenuLogo(GfxWidth - 60, GfxHeight - 60);
}

// Escape is read after the menu's command, whatever it was: a game started in the same frame has
// flushed the key already, any other command is followed by Escape's own effect.
void ProcessMainMenuInput() {
  const std::string command = TMenue::ProcessAll();
  if (command == "start_game") SetGameState(kStateGame);
  else if (command == "highscore") SetGameState(kStateHighscore);
  else if (command == "quit") QuitGame = 1;
  if (KeyPressed(KEY_ESCAPE)) QuitGame = 1;
}

void ProcessHighscoreInput() {
  if (HighscorePanel) HighscorePanel->move(0, (KeyHeld(KEY_DOWN) ? 1 : 0) - (KeyHeld(KEY_UP) ? 1 : 0));
  const std::string command = TMenue::ProcessAll();
  if (command == "start_game") SetGameState(kStateGame);
  else if (command == "updatehighscore") UpdateFromOnlineTable();
  else if (command == "main") SetGameState(kStateMainMenu);
  if (KeyPressed(KEY_ESCAPE)) SetGameState(kStateMainMenu);
}

void EnterState() {
  switch (GameState) {
    case kStateMainMenu:
      TLevel::SetLevel(nullptr);
      TMenue::InitMainMenue();
      break;
    case kStateHighscore:
      TMenue::InitHighscoreMenue();
      RecordFinishedGame();
      BuildHighscorePanel();
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
      DrawMenuLogos();
      TMenue::DrawAll();
      break;
    case kStateHighscore:
      if (HighscorePanel) HighscorePanel->Draw();
      DrawMenuLogos();
      TMenue::DrawAll();
      break;
    case kStateGame:
      TMenue::DrawAll();
      if (Player) Player->DrawHUD();
      TMessage::DrawAll();
      if (GamePaused()) DrawPauseNotice();
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
    case kStateMainMenu: ProcessMainMenuInput(); break;
    case kStateHighscore: ProcessHighscoreInput(); break;
    case kStateGame: TMenue::ProcessAll(); break;  // the menu is gliding away; clicks on it do nothing
    default: break;
  }
}

}  // namespace tolvex
