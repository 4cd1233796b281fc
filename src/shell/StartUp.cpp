#include "shell/StartUp.h"

#include <SDL.h>

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <string_view>

#include "content/GunTable.h"
#include "content/TShipInfo.h"
#include "core/GameRequests.h"
#include "core/Globals.h"
#include "core/ShellSounds.h"
#include "effects/AmbientTable.h"
#include "effects/EffectPreview.h"
#include "effects/ParticleEffects.h"
#include "effects/ParticleEngine.h"
#include "effects/TAmbient.h"
#include "effects/TBGObject.h"
#include "platform/Clock.h"
#include "platform/Diagnostics.h"
#include "platform/DrawBands.h"
#include "platform/Files.h"
#include "platform/GameFolders.h"
#include "platform/Gamepad.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/MusicEngine.h"
#include "scores/ScoreDump.h"
#include "scores/TScore.h"
#include "shell/FrameSteps.h"
#include "shell/GameStates.h"
#include "shell/HighscoreScreen.h"
#include "shell/Options.h"
#include "shell/PadControls.h"
#include "shell/Pause.h"
#include "shell/Screenshots.h"
#include "shell/StateDump.h"
#include "shell/TMusic.h"
#include "stages/StageDump.h"
#include "stages/StageTable.h"
#include "stages/TLevel.h"
#include "ui/GameFonts.h"
#include "ui/MenuDump.h"
#include "ui/TMenue.h"
#include "ui/MessageDump.h"
#include "ui/TMessage.h"
#include "weapons/ShotBroadPhase.h"
#include "weapons/WeaponImages.h"
#include "world/DebrisImages.h"
#include "world/HudImages.h"
#include "world/HudRecord.h"
#include "world/TUniverse.h"

namespace tolvex {

namespace {

constexpr const char* kWindowTitle = "Tolvex 1.07";

// Tries the accelerated renderer, then the software one; headless runs draw offscreen.
bool OpenGraphicsMode(bool headless) {
  if (headless) return OpenHeadlessScreen(GfxWidth, GfxHeight);
  return OpenScreen(GfxWidth, GfxHeight, GfxDepth, 60, RendererKind::Accelerated) ||
         OpenScreen(GfxWidth, GfxHeight, GfxDepth, 60, RendererKind::Software);
}

// The logo over a random earlier screenshot, shown while the tables are built.
void ShowLoadingScreen() {
  const ImagePtr logo = LoadImage("incbin::..\\gfx\\Logo.png");
  CentreHandle(logo);
  const ImagePtr background = PickStartupBackground();
  CentreHandle(background);
  Cls();
  SetMouseVisible(false);
  SetBlend(kBlendAlpha);
  const float cx = static_cast<float>(GfxWidth / 2), cy = static_cast<float>(GfxHeight / 2);
  DrawImage(background, cx, cy);
  DrawImage(logo, cx, cy);
  Flip(-1);
}

// A replay plays with the settings its session had.
void ApplyRecordedSettings(const LaunchOptions& options) {
  if (options.cameraDelay) CameraDelay = static_cast<std::uint8_t>(*options.cameraDelay);
  if (options.online) OnlineHighscore = *options.online ? 1 : 0;
  if (options.playerName) PlayerName = *options.playerName;
  SetHighscoreSaving(!options.replaying);
}

void ApplyScreenSize(const LaunchOptions& options) {
  if (options.width > 0) {
    GfxWidth = options.width;
    GfxHeight = options.height;
  }
  if (options.headless) GfxDepth = 0;
}

}  // namespace

StartUpResult StartUp(const LaunchOptions& options) {
  // 1–2. The embedded files are linked in; the platform starts. The catalogues' lists live with their types.
  // SDL turns an interrupt or a termination into a window-close event; a headless run reads no
  // window events, so there the signals keep their ordinary effect and end it.
  if (options.headless) SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS);
  if (!options.headless) {
    OpenAudio();
    StartGamepads();
  }
  // 3.
  SetWindowTitle(kWindowTitle);
  // 4.
  SoundEngine = CreateMusicEngine();
  // 5. A headless run or a replay never asks: it reads the file if there is one, else takes the defaults.
  const bool asks = !options.headless && !options.replaying;
  if (!LoadOptions(asks ? FirstRun::AskPlayer : FirstRun::UseDefaults)) return StartUpResult::PlayerQuit;
  AddDumpSection(DumpOptions);
  ApplyRecordedSettings(options);
  // 6. No server, or one that no longer takes this version, leaves the online table off for the run.
  // A replay talks to no server: it plays with the answer its session had.
  if (OnlineHighscore && !options.replaying) OnlineHighscore = TScore::Connect() ? 1 : 0;
  ApplyScreenSize(options);
  // 7.
  if (!OpenGraphicsMode(options.headless)) {
    Notify("graphicsmode not possible: " + std::to_string(GfxWidth) + " x " + std::to_string(GfxHeight) +
           ", please change graphicsmode in Options.ini file");
    return StartUpResult::ScreenFailed;
  }
  CapFrameRate(options.CapsFrameRate());
  // A frame drawn in software is drawn on two cores where there are two; TOLVEX_DRAW_BANDS=off keeps
  // it on one and =on on both (to compare).
  const char* bandsSetting = std::getenv("TOLVEX_DRAW_BANDS");
  const std::string_view bands = bandsSetting ? bandsSetting : "";
  UseDrawBands(bands == "on" || (bands != "off" && SDL_GetCPUCount() > 1));
  // 8.
  TMessage::Init();
  AddDumpSection(DumpMessages);
  // 9. Every launch plays a game of its own; --seed (or a replay) names the game instead. The
  // debug log tells the seed, so a game worth seeing again can be started with it.
  const std::uint32_t seed = options.seed ? *options.seed : FreshSeed();
  WriteDebugLine("Random seed: " + std::to_string(seed));
  SeedRandom(seed);
  TMusic::Dice().Seed(seed ^ 0x9E3779B9u);
  // 10. In the player's folder: the working folder in the build folder, else the player's data folder.
  ScreenshotDir = PlayerPath("screenshots\\");
  MusicDir = PlayerPath("music");
  if (PathKind(ScreenshotDir) == 0) CreateFolder(ScreenshotDir);
  if (PathKind(MusicDir) == 0) CreateFolder(MusicDir);
  // 11.
  ButtonsHit = {}, ButtonsDown = {};
  Universe = std::make_unique<TUniverse>();
  // TOLVEX_BROAD_PHASE=off: every shot walks every ship and rocket (to compare fights).
  const char* broadPhase = std::getenv("TOLVEX_BROAD_PHASE");
  SetShotBroadPhase(!broadPhase || std::string_view(broadPhase) != "off");
  // 12.
  ShowLoadingScreen();
  // 13.
  SetParticleDebug(false);
  SetParticleGravity(0, 0);
  SetParticleScreen(GfxWidth, GfxHeight);
  // 14.
  CreateParticleEffects();
  AddDumpSection([](nlohmann::json& dump) { dump["particles"] = ParticleCount(); });
  // 15. The gun table, after the effect table (gun types hold their hit effects).
  CreateGunTable();
  // 16.
  CreateAmbients();
  StartEffectPreview();
  // 17. Interface images come here; then the three fonts and the shell's sound effects.
  LoadWeaponImages();
  LoadHudImages();
  AddDumpSection(DumpHud);
  LoadDebrisImages();
  LoadGameFonts();
  // The messages' font is current from the start, so the first messages are measured with it.
  SelectFont(GameFont2);
  LoadShellSounds();
  // 18.
  TMusic::Init();
  AddDumpSection(DumpMusic);
  // 19. The ship table, after the gun table (ship types mount guns by ID).
  CreateShipTable();
  // 20. The stage table, after the ship table (stages name ship types and factions).
  CreateStageTable();
  AddDumpSection(DumpStage);
  AddDumpSection(DumpMenu);
  AddDumpSection(DumpHighscores);
  AddDumpSection(DumpHighscorePanel);
  AddDumpSection(DumpPause);
  // 21. The first state and the first frame start from the clock as start-up ends.
  RefreshClock();
  ResetFrameTimer();
  SetGameStateChanger(ChangeGameState);
  SetGameState(options.start);
  return StartUpResult::Ready;
}

void ShutDown() {
  // The calls kept for the bands refer to images about to go.
  UseDrawBands(false);
  EndPause();
  ResetPadControls();
  SetGameStateChanger(nullptr);
  if (Universe) Universe->Clear();
  ResetStages();
  Player = nullptr;
  CameraTarget = nullptr;
  Universe.reset();
  ResetParticleEngine();
  TAmbient::ResetActiveList();
  TBGObject::ResetList();
  Sounds() = ShellSounds{};
  MessageList.Clear();
  ResetMenu();
  HighscorePanel = nullptr;
  TScore::ScoreList().Clear();
  ResetGameFonts();
  CloseScreen();
  // The songs' streams go before the device they play on.
  TMusic::Reset();
  CloseAudio();
  StopGamepads();
  SDL_Quit();
}

}  // namespace tolvex
