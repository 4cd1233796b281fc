#pragma once
// The command line's per-frame work: the input of each frame (scripted, the autopilot's or a
// replay's), the session's recording, pictures, dumps and the end of the run.
#include <optional>
#include <string>
#include <vector>

#include "shell/Autopilot.h"
#include "shell/InputScript.h"
#include "shell/LaunchOptions.h"
#include "shell/MainLoop.h"
#include "shell/ReplayPlayer.h"
#include "shell/ReplayRecorder.h"

namespace tolvex {

class LaunchHooks : public FrameHooks {
 public:
  // Begins the recording of the session, or the replay's input, as start-up has ended.
  LaunchHooks(const LaunchOptions& options, std::vector<ScriptEvent> script, std::optional<ReplayPlayer> replay);

  void BeforeFrame(int frame) override;
  void BeforePresent(int frame) override;
  void AfterFrame(int frame) override;
  bool Finished(int frame) override;

  // The program's exit status: 1 when a file could not be written or a replay went another way.
  int Status();

 private:
  // How long the last highscore screen is shown before a run of --games ends.
  static constexpr int kLastLookMs = 3000;

  // Counts a game that ended and, with --games, says how it went.
  void Tell(const ReplayGame& game);
  void Fail(const std::string& message);

  const LaunchOptions& options_;
  InputScriptPlayer script_;
  Autopilot autopilot_;
  std::optional<ReplayPlayer> replay_;
  std::optional<ReplayRecorder> recorder_;
  int gamesEnded_ = 0, lastEndClock_ = 0;
  int status_ = 0;
};

}  // namespace tolvex
