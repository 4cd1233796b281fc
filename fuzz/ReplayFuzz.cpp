// A replay file: any text is either refused with a reason or read into a replay that the game can
// play and write again, and that reads back the same.
#include <string>

#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "shell/ReplayFile.h"

namespace tolvex::fuzz {

namespace {

bool SameEvent(const ScriptEvent& a, const ScriptEvent& b) {
  return a.frame == b.frame && a.type == b.type && a.code == b.code && a.down == b.down && a.x == b.x && a.y == b.y &&
         a.value == b.value && a.text == b.text;
}

bool SameGames(const std::vector<ReplayGame>& a, const std::vector<ReplayGame>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].startFrame != b[i].startFrame || a[i].endFrame != b[i].endFrame || a[i].points != b[i].points ||
        a[i].kills != b[i].kills)
      return false;
  }
  return true;
}

bool Same(const Replay& a, const Replay& b) {
  const ReplayHeader &x = a.header, &y = b.header;
  if (x.seed != y.seed || x.width != y.width || x.height != y.height || x.start != y.start ||
      x.cameraDelay != y.cameraDelay || x.online != y.online || x.player != y.player || x.startClock != y.startClock ||
      x.environment != y.environment || !SameGames(x.games, y.games) || a.frames != b.frames)
    return false;
  if (a.steps.size() != b.steps.size() || a.events.size() != b.events.size()) return false;
  for (std::size_t i = 0; i < a.steps.size(); ++i) {
    if (a.steps[i].frame != b.steps[i].frame || a.steps[i].stepMs != b.steps[i].stepMs) return false;
  }
  for (std::size_t i = 0; i < a.events.size(); ++i) {
    if (!SameEvent(a.events[i], b.events[i])) return false;
  }
  return true;
}

// The replay written out as the recorder writes it: header, then frame lines in frame order.
std::string Written(const Replay& replay) {
  std::string body;
  std::size_t step = 0, event = 0;
  while (step < replay.steps.size() || event < replay.events.size()) {
    const bool stepNext = event == replay.events.size() ||
                          (step < replay.steps.size() && replay.steps[step].frame <= replay.events[event].frame);
    if (stepNext) {
      AppendReplayStep(body, replay.steps[step].frame, replay.steps[step].stepMs);
      ++step;
    } else {
      AppendReplayEvent(body, replay.events[event].frame, replay.events[event]);
      ++event;
    }
  }
  return ReplayHeaderText(replay.header) + body;
}

}  // namespace

int ReplayFile(const std::uint8_t* data, std::size_t size) {
  const ParsedReplay parsed = ParseReplay(AsText(data, size));
  if (!parsed.error.empty()) {
    Require(parsed.error.find('\n') == std::string::npos, "a refusal is one line");
    return 0;
  }
  const Replay& replay = parsed.replay;
  Require(replay.frames >= 1 && !replay.header.games.empty() && replay.header.games.back().endFrame == replay.frames,
          "a replay ends with the end of its last game");
  const ParsedReplay again = ParseReplay(Written(replay));
  Require(again.error.empty(), "a replay the game wrote reads back: " + again.error);
  Require(Same(again.replay, replay), "a replay reads back the same as it was written");
  return 0;
}

}  // namespace tolvex::fuzz
