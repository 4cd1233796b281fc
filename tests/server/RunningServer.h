#pragma once
// A highscore server on a loopback port of the test range, serving from a thread of its own.
#include <httplib.h>

#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "scores/OnlineRequests.h"
#include "server/HighscoreHttpServer.h"
#include "support/TestPorts.h"

namespace tolvex {

class RunningServer {
 public:
  explicit RunningServer(ScoreStore& store)
      : service_(store), http_(service_, [this](const std::string& line) {
          const std::lock_guard lock(mutex_);
          log_.push_back(line);
        }) {
    port_ = TakeTestPort([this](int port) { return http_.Bind("127.0.0.1", port); });
    thread_ = std::thread([this] { http_.Serve(); });
  }
  ~RunningServer() {
    http_.Stop();
    thread_.join();
  }

  // "127.0.0.1:port", for TOLVEX_HIGHSCORE_SERVER.
  std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }
  std::vector<std::string> Log() {
    const std::lock_guard lock(mutex_);
    return log_;
  }
  // A GET of a resource and query under the path prefix, the way any HTTP client sends it;
  // the status (0 without an answer) and the body.
  std::pair<int, std::string> Get(const std::string& resourceAndQuery) const {
    httplib::Client client("127.0.0.1", port_);
    const auto result = client.Get("/" + std::string(kOnlinePathPrefix) + resourceAndQuery);
    return result ? std::pair{result->status, result->body} : std::pair{0, std::string()};
  }

 private:
  HighscoreService service_;
  HighscoreHttpServer http_;
  int port_ = 0;
  std::mutex mutex_;
  std::vector<std::string> log_;
  std::thread thread_;
};

}  // namespace tolvex
