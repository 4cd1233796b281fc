#pragma once
// One exchange with the highscore server: connect, send one GET, read the answer line by line.
#include <functional>
#include <string>
#include <string_view>

#include "platform/Diagnostics.h"
#include "platform/TcpConnection.h"

namespace tolvex {

// Where the highscore server listens.
struct OnlineServerAddress {
  std::string host = "localhost";
  int port = 80;
};

// "localhost" on port 80, unless TOLVEX_HIGHSCORE_SERVER says "host:port" ("[v6 address]:port" too).
// A value that does not parse leaves the default.
OnlineServerAddress OnlineServer();
// Reads an address "host:port"; false when it does not have that form.
bool ParseServerAddress(std::string_view text, OnlineServerAddress& address);
// The Host header's value: the host, with ":port" when the port is not 80.
std::string HostHeader(const OnlineServerAddress& address);

// The time limits of every exchange; tests shorten them.
ExchangeLimits& OnlineLimits();

// How an exchange ended.
enum class ExchangeEnd {
  // No connection, or the server broke off, went silent, took too long or sent too much:
  // the game treats all of these alike.
  Failed,
  // The line handler had what it wanted and stopped reading.
  Stopped,
  // The server closed the connection after its answer.
  Finished,
};

// Takes one answer line; false to stop reading.
using AnswerLineHandler = std::function<bool(const std::string& line)>;

// Hands every line of an answer (a connection, or a LineBuffer holding a whole answer) to onLine
// and to the debug log, and says how the answer ended.
template <typename AnswerLines>
ExchangeEnd ReadOnlineAnswer(AnswerLines& answer, const AnswerLineHandler& onLine) {
  std::string line;
  while (answer.ReadLine(line)) {
    WriteDebugLine(line);
    if (!onLine(line)) return ExchangeEnd::Stopped;
  }
  if (!answer.Failed()) return ExchangeEnd::Finished;
  WriteDebugLine("The highscore server broke off or took too long");
  return ExchangeEnd::Failed;
}

// Sends the GET for resourceAndQuery (after the path prefix) to the server and reads its answer
// with ReadOnlineAnswer.
ExchangeEnd RunOnlineExchange(std::string_view resourceAndQuery, const AnswerLineHandler& onLine);

}  // namespace tolvex
