#pragma once
// Plays a replay back: start-up gets the recorded seed, screen size, settings and clock; every
// frame gets its recorded clock step and input; every game must end in its recorded frame with
// its recorded points and kills.
#include <string>

#include "shell/GameWatch.h"
#include "shell/LaunchOptions.h"
#include "shell/ReplayFile.h"

namespace tolvex {

class ReplayPlayer {
 public:
  // paced: a window shows the last game at the speed it was played (what comes before it runs
  // as fast as it can); headless runs are never paced.
  ReplayPlayer(Replay replay, bool paced);

  // Before start-up: the launch options, clock and variables of the recorded session.
  void PrepareLaunch(LaunchOptions& options) const;
  // After start-up: the input held when the session began; the window's own input is ignored.
  void Begin();
  // As a frame begins: its recorded input.
  void BeforeFrame(int frame);
  // After a frame: checks a game that ended, and readies the clock for the next frame.
  void EndFrame(int frame);
  // True once the last recorded game has ended (or the play has gone another way).
  bool Done(int frame) const { return frame >= replay_.frames || !divergence_.empty(); }
  // What the play showed: a line per game, or where it went another way.
  std::string Report() const;
  bool Matched() const { return divergence_.empty() && checked_ == replay_.header.games.size(); }

 private:
  void CheckGame(const ReplayGame& ended);
  void PrepareClock(int frame);
  void Pace(int frame);

  Replay replay_;
  bool paced_;
  GameWatch games_;
  std::size_t nextEvent_ = 0, nextStep_ = 0, checked_ = 0;
  std::string divergence_;
  int paceStartReal_ = -1, paceStartClock_ = 0;
};

}  // namespace tolvex
