#pragma once
// The highscore table served over HTTP from one event loop: the game's three resources under its
// path prefix, the public leaderboard page and its JSON, and the operators' health and metrics.
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "server/HighscoreService.h"
#include "server/ServerMetrics.h"
#include "server/StoreWorkers.h"

namespace tolvex {

// Receives the server's log lines, one call at a time.
using LogSink = std::function<void(const std::string& line)>;

// What keeps one client from costing all the others.
struct ServerLimits {
  // A connection whose request has not arrived this long after it opened is closed.
  std::chrono::milliseconds requestDeadline{10000};
  // Open connections from one address (for IPv6, one /64 network); 0 = no limit.
  int connectionsPerAddress = 32;
  // Submissions from one address in any 60 s; 0 = no limit.
  int submitsPerMinute = 100;
  // How long a request may wait for the store before it is answered with 503.
  std::chrono::milliseconds storeDeadline{1800};
  // Load balancers whose X-Forwarded-For header names the client. Their own connections are not
  // capped; the per-address limits apply to the clients they name.
  std::vector<std::string> trustedProxies;
};

class HighscoreHttpServer {
 public:
  // Answers with the service, doing store work on the workers; one log line per request.
  HighscoreHttpServer(HighscoreService& service, StoreWorkers& workers, ServerMetrics& metrics,
                      const ServerLimits& limits, LogSink log);
  ~HighscoreHttpServer();

  // Takes the port on the address ("0.0.0.0" for all, "::" for IPv6 too); false when that fails.
  bool Bind(const std::string& address, int port);
  // Serves on the calling thread until Stop; false when it could not start.
  bool Serve();
  // Ends Serve, from any thread: no new connections, answers under way are finished and sent, the
  // rest are closed. A stop that comes before Serve has begun is not lost.
  void Stop();

 private:
  class Loop;
  std::unique_ptr<Loop> loop_;
};

}  // namespace tolvex
