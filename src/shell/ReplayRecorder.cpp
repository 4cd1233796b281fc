#include "shell/ReplayRecorder.h"

#include <cstdio>
#include <cstdlib>

#include "platform/BinaryFiles.h"
#include "platform/Clock.h"
#include "platform/Diagnostics.h"
#include "platform/Files.h"

namespace tolvex {

namespace {

// "replays\2026-01-01_00-03-12_4310.txt": when the game ended and its points; a second game
// ending in the same second with the same points gets "-2", and so on.
std::string FreeReplayName(int points) {
  const DateTime now = CurrentDateTime();
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d-%02d-%02d_%d", now.year, now.month, now.day, now.hour,
                now.minute, now.second, points);
  const std::string base = std::string(kReplayFolder) + "\\" + stamp;
  std::string name = base + ".txt";
  for (int n = 2; PathKind(name) != 0; ++n) name = base + "-" + std::to_string(n) + ".txt";
  return name;
}

bool ReplayFolderReady() {
  if (PathKind(kReplayFolder) == 0) CreateFolder(kReplayFolder);
  return PathKind(kReplayFolder) == 2;
}

}  // namespace

std::string SaveReplayFile(const FileContents& contents, int points) {
  if (!ReplayFolderReady()) {
    WriteDebugLine("Replay not saved: " + std::string(kReplayFolder) + " is not a folder that can be made");
    return "";
  }
  const std::string name = FreeReplayName(points);
  if (!ReplaceFile(name, contents)) {
    WriteDebugLine("Replay not saved: " + name + " cannot be written");
    return "";
  }
  return name;
}

ReplayRecorder::ReplayRecorder(GameStateId start) {
  header_.seed = RandomSeed();
  header_.width = GfxWidth, header_.height = GfxHeight;
  header_.start = start;
  header_.cameraDelay = CameraDelay;
  header_.online = OnlineHighscore != 0;
  header_.player = PlayerName;
  header_.startClock = clock_ = ClockMs();
  for (const std::string& name : ReplayEnvironmentNames()) {
    if (const char* value = std::getenv(name.c_str())) header_.environment.emplace_back(name, value);
  }
  for (const InputEvent& event : HeldInput()) AppendReplayEvent(body_.Tail(), 0, event);
  ClearKeyPresses();
  SetInputListener([this](const InputEvent& event) { Hear(event); });
}

ReplayRecorder::~ReplayRecorder() { SetInputListener(nullptr); }

void ReplayRecorder::BeginFrame(int frame) {
  frame_ = frame;
  const int step = ClockMs() - clock_;
  clock_ = ClockMs();
  if (step != step_) AppendReplayStep(body_.Tail(), frame, step);
  step_ = step;
  body_.Spill();
}

void ReplayRecorder::Hear(const InputEvent& event) {
  // The autopilot points every frame, mostly where the pointer already is.
  if (event.type == InputEvent::Type::Mouse && event.x == PointerX() && event.y == PointerY()) return;
  AppendReplayEvent(body_.Tail(), frame_, event);
}

std::optional<ReplayGame> ReplayRecorder::EndFrame(int frame) {
  const auto game = games_.AfterFrame(frame);
  if (!game) return std::nullopt;
  header_.games.push_back(*game);
  const std::string head = ReplayHeaderText(header_);
  lastSaved_ = SaveReplayFile(
      [&](const PieceWriter& write) {
        return write(TextBytes(head)) && body_.WriteTo(write);
      },
      game->points);
  return game;
}

}  // namespace tolvex
