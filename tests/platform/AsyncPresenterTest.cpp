// Frames handed to the presenter are shown on its own thread, one at a time, none lost, and the
// game is told a frame has been shown only once it has.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

#include "platform/AsyncPresenter.h"

namespace tolvex {
namespace {

// What the presenter's showing did: how many frames, how many at once at most, on which thread.
struct ShowLog {
  std::atomic<int> shown{0}, inFlight{0}, mostAtOnce{0};
  std::atomic<bool> onGameThread{false};
  std::thread::id gameThread = std::this_thread::get_id();

  // A show that takes a while, as an X server copying a frame does.
  void Show(std::chrono::microseconds takes) {
    const int now = ++inFlight;
    if (now > mostAtOnce) mostAtOnce = now;
    if (std::this_thread::get_id() == gameThread) onGameThread = true;
    std::this_thread::sleep_for(takes);
    ++shown;
    --inFlight;
  }
};

TEST(AsyncPresenter, ShowsOnItsOwnThreadAndReportsAFrameShownOnlyOnceItIs) {
  ShowLog log;
  AsyncPresenter presenter([&] { log.Show(std::chrono::milliseconds(20)); });
  presenter.Show();
  presenter.WaitUntilShown();
  EXPECT_EQ(log.shown, 1) << "the window's surface would be written while the server still copies it";
  EXPECT_FALSE(log.onGameThread);
  presenter.WaitUntilShown();  // nothing in flight: returns at once
  EXPECT_EQ(log.shown, 1);
}

TEST(AsyncPresenter, FramesHandedOverInQuickSuccessionAreEachShownOnceInTurn) {
  ShowLog log;
  AsyncPresenter presenter([&] { log.Show(std::chrono::microseconds(200)); });
  for (int frame = 0; frame < 50; ++frame) presenter.Show();
  presenter.WaitUntilShown();
  EXPECT_EQ(log.shown, 50);
  EXPECT_EQ(log.mostAtOnce, 1);
}

TEST(AsyncPresenter, TheFrameInFlightIsShownBeforeThePresenterGoes) {
  ShowLog log;
  {
    AsyncPresenter presenter([&] { log.Show(std::chrono::milliseconds(10)); });
    presenter.Show();
  }
  EXPECT_EQ(log.shown, 1);
  EXPECT_EQ(log.inFlight, 0);
}

TEST(AsyncPresenter, APresenterNeverHandedAFrameShowsNothingAndEndsCleanly) {
  ShowLog log;
  std::optional<AsyncPresenter> presenter;
  presenter.emplace([&] { log.Show(std::chrono::microseconds(0)); });
  presenter->WaitUntilShown();
  presenter.reset();
  EXPECT_EQ(log.shown, 0);
}

// The game reads the window's events only while no frame is being shown: reading them then would
// wait until it is.
TEST(AsyncPresenter, SaysWhileAFrameIsBeingShown) {
  std::atomic<bool> release{false};
  AsyncPresenter presenter([&] {
    while (!release) std::this_thread::sleep_for(std::chrono::microseconds(100));
  });
  EXPECT_FALSE(presenter.Showing());
  presenter.Show();
  EXPECT_TRUE(presenter.Showing());
  release = true;
  presenter.WaitUntilShown();
  EXPECT_FALSE(presenter.Showing());
}

}  // namespace
}  // namespace tolvex
