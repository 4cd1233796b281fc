#pragma once
// Loopback ports for tests that run servers: the range 18000..18999, shared by test processes
// that run side by side, each starting its search somewhere else.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
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

inline sockaddr_in LoopbackAddress(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

// True when nothing holds the loopback port at the moment (for programs that bind it themselves).
inline bool PortIsFree(int port) {
  const int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const sockaddr_in address = LoopbackAddress(port);
  const bool free = bind(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(probe);
  return free;
}

}  // namespace tolvex
