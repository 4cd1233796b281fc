#include "shell/LaunchHooks.h"

#include <iostream>

#include "core/Globals.h"
#include "platform/Graphics.h"
#include "shell/StateDump.h"
#include "stages/TLevel.h"

namespace tolvex {

LaunchHooks::LaunchHooks(const LaunchOptions& options, std::vector<ScriptEvent> script,
                         std::optional<ReplayPlayer> replay)
    : options_(options), script_(std::move(script)), replay_(std::move(replay)) {
  if (replay_) replay_->Begin();
  else recorder_.emplace(options.start);
}

void LaunchHooks::BeforeFrame(int frame) {
  if (replay_) {
    replay_->BeforeFrame(frame);
    return;
  }
  recorder_->BeginFrame(frame);
  script_.BeforeFrame(frame);
  if (options_.autopilot) autopilot_.BeforeFrame();
}

void LaunchHooks::BeforePresent(int frame) {
  for (const auto& shot : options_.screenshots) {
    if (shot.frame != frame) continue;
    if (!SavePicturePng(GrabPixmap(0, 0, ScreenWidth(), ScreenHeight()), shot.path, 5)) Fail("cannot write " + shot.path);
  }
}

void LaunchHooks::AfterFrame(int frame) {
  for (const auto& dump : options_.dumps) {
    if (dump.frame == frame && !WriteStateDump(frame, dump.path)) Fail("cannot write " + dump.path);
  }
  if (replay_) replay_->EndFrame(frame);
  else if (const auto game = recorder_->EndFrame(frame)) Tell(*game);
}

bool LaunchHooks::Finished(int frame) {
  return (options_.frames > 0 && frame >= options_.frames) || (replay_ && replay_->Done(frame)) ||
         (options_.games > 0 && gamesEnded_ >= options_.games && FrameClock - lastEndClock_ >= kLastLookMs);
}

int LaunchHooks::Status() {
  if (!replay_) return status_;
  std::cout << replay_->Report();
  return replay_->Matched() ? status_ : 1;
}

void LaunchHooks::Tell(const ReplayGame& game) {
  ++gamesEnded_;
  lastEndClock_ = FrameClock;
  if (options_.games == 0) return;
  std::cout << "game " << gamesEnded_ << ": frames " << game.startFrame << "-" << game.endFrame << ", points "
            << game.points << ", kills " << game.kills << ", stage " << TLevel::GetCurrentLevelName() << std::endl;
}

void LaunchHooks::Fail(const std::string& message) {
  std::cerr << "tolvex: " << message << '\n';
  status_ = 1;
}

}  // namespace tolvex
