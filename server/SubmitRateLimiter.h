#pragma once
// The flood limit: how many submissions one address may make in any minute.
#include <chrono>
#include <deque>
#include <string>
#include <unordered_map>

namespace tolvex {

class SubmitRateLimiter {
 public:
  using Clock = std::chrono::steady_clock;

  // perMinute submissions per address in any 60 s; 0 lets every submission through.
  explicit SubmitRateLimiter(int perMinute) : perMinute_(perMinute) {}

  // True, and counted, when the address made fewer than perMinute submissions in the 60 s
  // before now; false for one too many, which is not counted.
  bool Admit(const std::string& address, Clock::time_point now);
  // How many addresses are being counted (those heard from within the last minute, roughly).
  std::size_t Addresses() const { return recent_.size(); }

 private:
  // Drops the addresses whose last submission is a minute old, once a minute.
  void Sweep(Clock::time_point now);

  int perMinute_;
  std::unordered_map<std::string, std::deque<Clock::time_point>> recent_;
  Clock::time_point nextSweep_{};
};

}  // namespace tolvex
