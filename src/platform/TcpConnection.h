#pragma once
// A TCP connection for one short request and answer, with every wait bounded in time.
#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/LineBuffer.h"

namespace tolvex {

// How long an exchange may wait, and how much of an answer it takes.
struct ExchangeLimits {
  // Name lookup and connection together.
  int connectMs = 4000;
  // Silence between two pieces of the answer.
  int readMs = 4000;
  // The whole exchange, from the lookup to the last byte read.
  int totalMs = 10000;
  // Bytes of answer, headers included; a longer answer fails the exchange.
  std::size_t maxAnswerBytes = 64 * 1024;
};

// An open connection; closed when destroyed.
class TcpConnection {
 public:
  // Looks the host up and connects within the limits; null when that fails or takes too long.
  static std::unique_ptr<TcpConnection> Open(const std::string& host, int port, const ExchangeLimits& limits);
  ~TcpConnection();
  TcpConnection(const TcpConnection&) = delete;
  TcpConnection& operator=(const TcpConnection&) = delete;

  // Sends all of data; false on an error or when the peer does not take it in time.
  bool Send(std::string_view data);
  // The next line of the answer: LF ends it, CR bytes are dropped, and a last line without LF
  // still counts. False at the end of the stream, or when the exchange failed (see Failed).
  bool ReadLine(std::string& line);
  // True once a wait ran out, the answer grew past its cap, or the connection broke.
  bool Failed() const { return failed_; }

 private:
  using Clock = std::chrono::steady_clock;
  TcpConnection(int socket, const ExchangeLimits& limits, Clock::time_point deadline);
  // Waits for the socket to become readable or writable; false (and Failed) when the time runs out.
  bool WaitFor(short events, int idleMs);
  // Reads more of the answer into the buffer, or marks the end of the stream or a failure.
  void Receive();

  int socket_;
  ExchangeLimits limits_;
  Clock::time_point deadline_;
  LineBuffer answer_;
  bool failed_ = false;
};

}  // namespace tolvex
