#include "shell/Game.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/Clock.h"
#include "platform/EmbeddedFiles.h"
#include "platform/Graphics.h"
#include "shell/Autopilot.h"
#include "shell/FrameStats.h"
#include "shell/InputScript.h"
#include "shell/LaunchOptions.h"
#include "shell/MainLoop.h"
#include "shell/StartUp.h"
#include "shell/StateDump.h"

namespace tolvex {

namespace {

// The command line's per-frame work: scripted input, pictures, dumps and the frame limit.
class LaunchHooks : public FrameHooks {
 public:
  LaunchHooks(const LaunchOptions& options, std::vector<ScriptEvent> script)
      : options_(options), script_(std::move(script)) {}

  void BeforeFrame(int frame) override {
    script_.BeforeFrame(frame);
    if (options_.autopilot) autopilot_.BeforeFrame();
  }

  void BeforePresent(int frame) override {
    for (const auto& shot : options_.screenshots) {
      if (shot.frame != frame) continue;
      if (!SavePicturePng(GrabPixmap(0, 0, ScreenWidth(), ScreenHeight()), shot.path, 5)) Fail("cannot write " + shot.path);
    }
  }

  void AfterFrame(int frame) override {
    for (const auto& dump : options_.dumps) {
      if (dump.frame == frame && !WriteStateDump(frame, dump.path)) Fail("cannot write " + dump.path);
    }
  }

  bool Finished(int frame) override { return options_.frames > 0 && frame >= options_.frames; }
  int Status() const { return status_; }

 private:
  void Fail(const std::string& message) {
    std::cerr << "tolvex: " << message << '\n';
    status_ = 1;
  }

  const LaunchOptions& options_;
  InputScriptPlayer script_;
  Autopilot autopilot_;
  int status_ = 0;
};

void ListAssets() {
  for (const auto& file : EmbeddedFiles()) {
    std::cout << file.name << ' ' << file.bytes.size();
    if (const auto picture = DecodeImageFile(file.bytes)) std::cout << ' ' << picture->width << 'x' << picture->height;
    std::cout << '\n';
  }
}

// Reads and parses the input script; false (after saying why) when it is missing or malformed.
bool LoadScript(const std::string& path, std::vector<ScriptEvent>& events) {
  if (path.empty()) return true;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "tolvex: cannot read input script " << path << '\n';
    return false;
  }
  std::stringstream text;
  text << in.rdbuf();
  auto parsed = ParseInputScript(text.str());
  if (!parsed.error.empty()) {
    std::cerr << "tolvex: " << parsed.error << '\n';
    return false;
  }
  events = std::move(parsed.events);
  return true;
}

}  // namespace

int RunGame(const std::vector<std::string>& args) {
  const ParsedLaunch parsed = ParseLaunchOptions(args);
  if (!parsed.error.empty()) {
    std::cerr << "tolvex: " << parsed.error << " (see --help)\n";
    return 2;
  }
  const LaunchOptions& options = parsed.options;
  if (options.showHelp) {
    std::cout << LaunchUsage();
    return 0;
  }
  if (options.listAssets) {
    ListAssets();
    return 0;
  }
  std::vector<ScriptEvent> script;
  if (!LoadScript(options.inputScript, script)) return 2;
  // A headless run must never reach for a display or a sound card.
  if (options.headless) setenv("SDL_AUDIODRIVER", "dummy", 1);
  if (options.frameMs > 0) UseSteppedClock(options.frameMs);
  const StartUpResult started = StartUp(options);
  if (started != StartUpResult::Ready) {
    ShutDown();
    return started == StartUpResult::PlayerQuit ? 0 : 1;
  }
  LaunchHooks hooks(options, std::move(script));
  if (options.stats) EnableFrameStats();
  RunMainLoop(hooks);
  if (options.stats) PrintFrameStats(std::cout);
  ShutDown();
  return hooks.Status();
}

}  // namespace tolvex
