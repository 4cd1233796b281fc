#include "core/Globals.h"

namespace tolvex {

int GfxWidth = 1280, GfxHeight = 720, GfxDepth = 0;
std::uint8_t CameraDelay = 0;
float SfxVolume = 1.0f, MusicVolume = 1.0f;
std::uint8_t OnlineHighscore = 0;
int SongNumber = 0;
std::string PlayerName;

std::uint8_t GameState = kStateNone;
std::uint8_t QuitGame = 0;
std::shared_ptr<TShip> Player;
std::shared_ptr<TGObject> CameraTarget;
float Difficulty = 1.0f;
int BonusGunLevel = 1;
std::uint8_t CheatUsed = 0;
int BestRank = 0;
std::string BestRankPilot;

int FrameClock = 0;
int FrameTime = 1;
float FrameRate = 1000.0f;

float CursorX = 0, CursorY = 0;
std::array<std::uint8_t, 3> ButtonsHit{}, ButtonsDown{};

float CameraX = 0, CameraY = 0;
float CameraFocusX = 0, CameraFocusY = 0;

std::uint8_t ScreenshotRequested = 0;
int ScreenshotCounter = 0;
std::string ScreenshotDir = "screenshots\\";
std::string MusicDir = "music";

std::vector<std::string> DebugHudLines;
float CursorSpin = 0;

void ResetShellGlobals() {
  GfxWidth = 1280, GfxHeight = 720, GfxDepth = 0;
  CameraDelay = 0;
  SfxVolume = 1.0f, MusicVolume = 1.0f;
  OnlineHighscore = 0;
  SongNumber = 0;
  PlayerName.clear();
  GameState = kStateNone;
  QuitGame = 0;
  Player.reset();
  CameraTarget.reset();
  Difficulty = 1.0f;
  BonusGunLevel = 1;
  CheatUsed = 0;
  BestRank = 0;
  BestRankPilot.clear();
  FrameClock = 0, FrameTime = 1, FrameRate = 1000.0f;
  CursorX = CursorY = 0;
  ButtonsHit = {}, ButtonsDown = {};
  CameraX = CameraY = CameraFocusX = CameraFocusY = 0;
  ScreenshotRequested = 0;
  ScreenshotCounter = 0;
  ScreenshotDir = "screenshots\\";
  MusicDir = "music";
  DebugHudLines.clear();
  CursorSpin = 0;
}

}  // namespace tolvex
