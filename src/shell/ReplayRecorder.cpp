#include "shell/ReplayRecorder.h"

#include <cstdlib>

#include "platform/BinaryFiles.h"
#include "platform/Clock.h"
#include "shell/ReplayFolder.h"

namespace tolvex {

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
