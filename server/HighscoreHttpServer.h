#pragma once
// The highscore table served over HTTP: the game's three resources under its path prefix.
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "server/HighscoreService.h"

namespace httplib {
class Server;
}

namespace tolvex {

// Receives the server's log lines, one call at a time.
using LogSink = std::function<void(const std::string& line)>;

class HighscoreHttpServer {
 public:
  // Answers with the service and hands one line per request to log.
  HighscoreHttpServer(HighscoreService& service, LogSink log);
  ~HighscoreHttpServer();

  // Takes the port on the address ("0.0.0.0" for all); false when that fails.
  bool Bind(const std::string& address, int port);
  // Serves requests until Stop; false when it could not start.
  bool Serve();
  // Ends Serve, called from another thread, and waits for it; requests in progress finish first.
  // A stop that comes before Serve has begun is not lost.
  void Stop();

 private:
  void Log(const std::string& line);

  HighscoreService& service_;
  LogSink log_;
  std::mutex logMutex_;
  std::atomic<bool> stopRequested_{false}, ended_{false};
  std::unique_ptr<httplib::Server> http_;
};

}  // namespace tolvex
