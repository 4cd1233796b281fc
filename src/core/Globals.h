#pragma once
// The shell-wide state that nearly every part of the game reads.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tolvex {

class TUniverse;
class TGObject;
class TShip;

// Game states.
enum GameStateId : std::uint8_t { kStateNone = 0, kStateMainMenu = 1, kStateHighscore = 2, kStateGame = 3 };

// Screen and settings (from "Options.ini").
extern int GfxWidth, GfxHeight, GfxDepth;
extern std::uint8_t CameraDelay;
extern float SfxVolume, MusicVolume;
extern std::uint8_t OnlineHighscore;
extern int SongNumber;
extern std::string PlayerName;

// States and the world.
extern std::uint8_t GameState;
extern std::uint8_t QuitGame;
// The world of the running battle; it lives with its class in world/, the ship layer.
extern std::unique_ptr<TUniverse> Universe;
// The player's ship; kept after its death until the next game starts.
extern std::shared_ptr<TShip> Player;
// The object the camera follows.
extern std::shared_ptr<TGObject> CameraTarget;
extern float Difficulty;
extern int BonusGunLevel;
extern std::uint8_t CheatUsed;
extern int BestRank;
extern std::string BestRankPilot;

// Frame timing.
extern int FrameClock;
extern int FrameTime;
extern float FrameRate;

// Mouse.
extern float CursorX, CursorY;
extern std::array<std::uint8_t, 3> ButtonsHit, ButtonsDown;

// Camera: world position of the screen's top-left corner, and the world point at its centre.
extern float CameraX, CameraY;
extern float CameraFocusX, CameraFocusY;

// Screenshots.
extern std::uint8_t ScreenshotRequested;
extern int ScreenshotCounter;
extern std::string ScreenshotDir;
extern std::string MusicDir;

// Debug lines shown by the HUD.
extern std::vector<std::string> DebugHudLines;
// Angle of the game's spinning pointer, degrees.
extern float CursorSpin;

// Puts every global back to its value before start-up (tests start from a fresh game).
void ResetShellGlobals();

}  // namespace tolvex
