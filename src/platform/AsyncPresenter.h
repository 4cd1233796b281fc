#pragma once
// Shows finished frames on a thread of its own. On X11 a window drawn in software reaches the
// screen through the X server copying the whole picture out of shared memory, and SDL waits
// until it has: with that wait on another thread, the game computes its next frame meanwhile.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

namespace tolvex {

// Runs `present` on its own thread once per Show, one frame at a time.
class AsyncPresenter {
 public:
  explicit AsyncPresenter(std::function<void()> present);
  // Finishes the frame being shown, then ends the thread.
  ~AsyncPresenter();
  AsyncPresenter(const AsyncPresenter&) = delete;
  AsyncPresenter& operator=(const AsyncPresenter&) = delete;

  // Returns once the last frame handed over has been shown: what it showed may be written again.
  void WaitUntilShown();
  // Hands over a frame to show and returns at once (after the frame before has been shown).
  void Show();
  // A frame handed over is being shown now.
  bool Showing();

 private:
  void Run(const std::stop_token& stop);

  std::function<void()> present_;
  std::mutex mutex_;
  std::condition_variable_any changed_;
  bool pending_ = false;
  std::jthread thread_;  // last: it starts once everything it uses is in place
};

}  // namespace tolvex
