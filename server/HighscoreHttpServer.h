#pragma once
// The highscore table served over HTTP: the game's three resources under its path prefix.
#include <memory>
#include <mutex>
#include <ostream>
#include <string>

#include "server/HighscoreService.h"

namespace httplib {
class Server;
}

namespace tolvex {

class HighscoreHttpServer {
 public:
  // Answers with the service and writes one line per request to log.
  HighscoreHttpServer(HighscoreService& service, std::ostream& log);
  ~HighscoreHttpServer();

  // Takes the port on the address ("0.0.0.0" for all); false when that fails.
  bool Bind(const std::string& address, int port);
  // Serves requests until Stop; false when it could not start.
  bool Serve();
  // Ends Serve; safe from another thread.
  void Stop();

 private:
  void Log(const std::string& line);

  HighscoreService& service_;
  std::ostream& log_;
  std::mutex logMutex_;
  std::unique_ptr<httplib::Server> http_;
};

}  // namespace tolvex
