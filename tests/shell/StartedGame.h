#pragma once
// The whole game started in this process, headless, in a folder of its own, driven frame by frame.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "content/TShipInfo.h"
#include "core/Globals.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "shell/FrameSteps.h"
#include "shell/MainLoop.h"
#include "shell/StartUp.h"
#include "shell/StateDump.h"
#include "weapons/TGunInfo.h"

namespace tolvex {

// Frame hooks made of plain functions; the unset ones do nothing.
struct TestHooks : FrameHooks {
  std::function<void(int)> beforePresent, afterFrame;
  std::function<bool(int)> finished;
  void BeforePresent(int frame) override {
    if (beforePresent) beforePresent(frame);
  }
  void AfterFrame(int frame) override {
    if (afterFrame) afterFrame(frame);
  }
  bool Finished(int frame) override { return finished && finished(frame); }
};

class StartedGame : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("tolvex_started_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
               "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    ResetShellGlobals();
    ResetInput();
  }

  void TearDown() override {
    if (started_) ShutDown();
    UseSteppedClock(0);
    ClearDumpSections();
    TShipInfo::Reset();
    TGunInfo::Reset();
    ResetCamera();
    ResetInput();
    ResetShellGlobals();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }

  // Starts the game headless with seed 3 in the given state; frameMs 0 runs on the real clock.
  void Start(GameStateId state, int frameMs = 16, int width = 1280, int height = 720) {
    LaunchOptions options;
    options.headless = true;
    options.seed = 3;
    options.start = state;
    options.frameMs = frameMs;
    options.width = width, options.height = height;
    if (frameMs > 0) UseSteppedClock(frameMs);
    ASSERT_EQ(StartUp(options), StartUpResult::Ready);
    started_ = true;
  }

  // Shuts the game down before the test ends.
  void Stop() {
    ShutDown();
    started_ = false;
  }

  // Runs n frames of the main loop's steps.
  void Frames(int n) {
    for (int i = 0; i < n; ++i) RunFrame(hooks, ++frame_);
  }

  TestHooks hooks;

 private:
  std::filesystem::path folder_, previous_;
  bool started_ = false;
  int frame_ = 0;
};

}  // namespace tolvex
