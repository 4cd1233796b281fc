#pragma once
// The tests' own HTTP client: one GET per connection, from any loopback source address, read
// until the server closes.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <string_view>

#include "support/TestPorts.h"

namespace tolvex {

struct HttpAnswer {
  // 0 when no answer came.
  int status = 0;
  std::string head;
  std::string body;
};

// A connection to the loopback port from the source address (127.0.0.1, 127.0.0.2, …); -1 when
// it cannot be made.
inline int ConnectFrom(const char* from, int port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in source{};
  source.sin_family = AF_INET;
  inet_pton(AF_INET, from, &source.sin_addr);
  const sockaddr_in server = LoopbackAddress(port);
  if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr*>(&source), sizeof source) != 0 ||
      connect(fd, reinterpret_cast<const sockaddr*>(&server), sizeof server) != 0) {
    if (fd >= 0) close(fd);
    return -1;
  }
  return fd;
}

// Everything the server sends until it closes, or until waitMs of silence.
inline std::string ReadToEnd(int fd, int waitMs = 5000) {
  std::string received;
  char piece[16384];
  pollfd ready{fd, POLLIN, 0};
  while (poll(&ready, 1, waitMs) > 0) {
    const ssize_t got = recv(fd, piece, sizeof piece, 0);
    if (got <= 0) break;
    received.append(piece, static_cast<std::size_t>(got));
  }
  return received;
}

// Splits a raw answer into status, head and body.
inline HttpAnswer ParseAnswer(const std::string& raw) {
  HttpAnswer answer;
  const std::size_t end = raw.find("\r\n\r\n");
  if (raw.rfind("HTTP/1.", 0) != 0 || end == std::string::npos) return answer;
  answer.status = std::atoi(raw.c_str() + 9);
  answer.head = raw.substr(0, end + 2);
  answer.body = raw.substr(end + 4);
  return answer;
}

// GET target (from "/") with extra header lines, each ending in CR LF.
inline HttpAnswer HttpGet(int port, std::string_view target, const char* from = "127.0.0.1",
                          std::string_view headers = "") {
  const int fd = ConnectFrom(from, port);
  if (fd < 0) return {};
  const std::string request = "GET " + std::string(target) + " HTTP/1.0\r\nHost: 127.0.0.1\r\n" + std::string(headers) + "\r\n";
  const bool sent = send(fd, request.data(), request.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(request.size());
  const std::string raw = sent ? ReadToEnd(fd) : "";
  close(fd);
  return ParseAnswer(raw);
}

}  // namespace tolvex
