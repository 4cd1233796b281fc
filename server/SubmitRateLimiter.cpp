#include "server/SubmitRateLimiter.h"


namespace tolvex {

namespace {

constexpr auto kWindow = std::chrono::seconds(60);

}  // namespace

bool SubmitRateLimiter::Admit(const std::string& address, Clock::time_point now) {
  if (perMinute_ <= 0) return true;
  Sweep(now);
  std::deque<Clock::time_point>& times = recent_[address];
  while (!times.empty() && now - times.front() >= kWindow) times.pop_front();
  if (times.size() >= static_cast<std::size_t>(perMinute_)) return false;
  times.push_back(now);
  return true;
}

void SubmitRateLimiter::Sweep(Clock::time_point now) {
  if (now < nextSweep_) return;
  nextSweep_ = now + kWindow;
  std::erase_if(recent_, [now](const auto& entry) { return entry.second.empty() || now - entry.second.back() >= kWindow; });
}

}  // namespace tolvex
