#pragma once
// Loopback ports for tests that run servers: the range 18000..18999, shared by test processes
// that run side by side, each starting its search somewhere else.
#include <unistd.h>

#include <atomic>
#include <functional>

namespace tolvex {

inline constexpr int kTestPortFirst = 18000;
inline constexpr int kTestPortCount = 1000;

// Offers ports of the range to tryPort until it takes one; returns that port, or 0.
inline int TakeTestPort(const std::function<bool(int port)>& tryPort) {
  static std::atomic<int> offset{static_cast<int>(::getpid() * 7919 % kTestPortCount)};
  for (int attempt = 0; attempt < kTestPortCount; ++attempt) {
    const int port = kTestPortFirst + offset++ % kTestPortCount;
    if (tryPort(port)) return port;
  }
  return 0;
}

}  // namespace tolvex
