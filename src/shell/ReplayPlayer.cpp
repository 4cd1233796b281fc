#include "shell/ReplayPlayer.h"

#include <cstdlib>

#include "platform/Clock.h"
#include "platform/Input.h"

namespace tolvex {

namespace {

std::string GameText(const ReplayGame& game) {
  return "ended in frame " + std::to_string(game.endFrame) + " with " + std::to_string(game.points) + " points and " +
         std::to_string(game.kills) + " kills";
}

bool SameEnd(const ReplayGame& a, const ReplayGame& b) {
  return a.endFrame == b.endFrame && a.points == b.points && a.kills == b.kills;
}

}  // namespace

ReplayPlayer::ReplayPlayer(Replay replay, bool paced) : replay_(std::move(replay)), paced_(paced) {}

void ReplayPlayer::PrepareLaunch(LaunchOptions& options) const {
  const ReplayHeader& header = replay_.header;
  options.seed = header.seed;
  options.width = header.width, options.height = header.height;
  options.start = header.start;
  options.replaying = true;
  options.cameraDelay = header.cameraDelay;
  options.online = header.online;
  if (!header.player.empty()) options.playerName = header.player;
  for (const std::string& name : ReplayEnvironmentNames()) unsetenv(name.c_str());
  for (const auto& [name, value] : header.environment) setenv(name.c_str(), value.c_str(), 1);
  // A stepped clock whose every step comes from the file; the step of 1 only marks it stepped.
  UseSteppedClock(1, header.startClock);
}

void ReplayPlayer::Begin() {
  IgnoreWindowInput(true);
  for (; nextEvent_ < replay_.events.size() && replay_.events[nextEvent_].frame == 0; ++nextEvent_) {
    FeedEvent(replay_.events[nextEvent_]);
  }
  ClearKeyPresses();
  PrepareClock(1);
}

void ReplayPlayer::PrepareClock(int frame) {
  while (nextStep_ < replay_.steps.size() && replay_.steps[nextStep_].frame <= frame) {
    SetClockStep(replay_.steps[nextStep_++].stepMs);
  }
}

void ReplayPlayer::BeforeFrame(int frame) {
  if (paced_) Pace(frame);
  for (; nextEvent_ < replay_.events.size() && replay_.events[nextEvent_].frame <= frame; ++nextEvent_) {
    FeedEvent(replay_.events[nextEvent_]);
  }
}

void ReplayPlayer::Pace(int frame) {
  if (frame < replay_.header.games.back().startFrame) return;
  if (paceStartReal_ < 0) {
    paceStartReal_ = RealClockMs();
    paceStartClock_ = ClockMs();
  }
  while (RealClockMs() - paceStartReal_ < ClockMs() - paceStartClock_) WaitForClockAfter(RealClockMs());
}

void ReplayPlayer::EndFrame(int frame) {
  PrepareClock(frame + 1);
  if (!divergence_.empty()) return;
  const auto& games = replay_.header.games;
  if (const auto ended = games_.AfterFrame(frame)) CheckGame(*ended);
  else if (checked_ < games.size() && frame >= games[checked_].endFrame) {
    divergence_ = "game " + std::to_string(checked_ + 1) + " should have " + GameText(games[checked_]) +
                  " but was still going";
  }
}

void ReplayPlayer::CheckGame(const ReplayGame& ended) {
  const auto& games = replay_.header.games;
  if (checked_ >= games.size()) {
    divergence_ = "a game the recording does not have " + GameText(ended);
  } else if (!SameEnd(ended, games[checked_])) {
    divergence_ = "game " + std::to_string(checked_ + 1) + " should have " + GameText(games[checked_]) +
                  " but " + GameText(ended);
  } else {
    ++checked_;
  }
}

std::string ReplayPlayer::Report() const {
  std::string report;
  const auto& games = replay_.header.games;
  for (std::size_t i = 0; i < checked_; ++i) {
    report += "replay: game " + std::to_string(i + 1) + " " + GameText(games[i]) + ", as recorded\n";
  }
  if (!divergence_.empty()) report += "replay went another way: " + divergence_ + "\n";
  else if (checked_ < games.size()) report += "replay stopped before game " + std::to_string(checked_ + 1) + " ended\n";
  return report;
}

}  // namespace tolvex
