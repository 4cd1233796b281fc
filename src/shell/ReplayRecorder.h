#pragma once
// Records the session as it is played, and saves it into the "replays" folder whenever a game
// finishes: the file plays back the whole session up to the end of that game.
#include <optional>
#include <string>

#include "platform/BinaryFiles.h"
#include "platform/Input.h"
#include "platform/SpooledText.h"
#include "shell/GameWatch.h"
#include "shell/ReplayFile.h"

namespace tolvex {

class ReplayRecorder {
 public:
  // Begins at the end of start-up: notes how the session began and the input held at that
  // moment, forgets presses made during start-up, and listens to the input from now on.
  explicit ReplayRecorder(GameStateId start);
  ~ReplayRecorder();
  ReplayRecorder(const ReplayRecorder&) = delete;
  ReplayRecorder& operator=(const ReplayRecorder&) = delete;

  // As a frame begins, before any of its input arrives: notes the clock's step.
  void BeginFrame(int frame);
  // After a frame: saves the replay when a game ended in it, and returns that game.
  std::optional<ReplayGame> EndFrame(int frame);
  // The file the last finished game was saved to; empty when it could not be saved.
  const std::string& LastSaved() const { return lastSaved_; }

 private:
  void Hear(const InputEvent& event);

  ReplayHeader header_;
  // The frame lines: a long session's run to megabytes, so they wait on disk.
  SpooledText body_;
  GameWatch games_;
  int frame_ = 0;
  int clock_ = 0;
  int step_ = -1;
  std::string lastSaved_;
};

}  // namespace tolvex
