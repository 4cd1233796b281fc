#pragma once
// A highscore server on a loopback port of the test range, with its store workers, serving from
// a thread of its own.
#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "HttpClient.h"
#include "scores/OnlineRequests.h"
#include "server/HighscoreHttpServer.h"
#include "support/TestPorts.h"

namespace tolvex {

// How a test's server is set up; the defaults are the program's.
struct ServerSetup {
  int connections = 2;
  int maxEntries = kDefaultMaxEntries;
  ServerLimits limits;
};

class RunningServer {
 public:
  // Serves the table the --db value names.
  explicit RunningServer(const std::string& db, const ServerSetup& setup = {})
      : service_(setup.maxEntries), workers_(Connections(db, setup.connections), metrics_),
        http_(service_, workers_, metrics_, setup.limits, [this](const std::string& line) {
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

  int Port() const { return port_; }
  // "127.0.0.1:port", for TOLVEX_HIGHSCORE_SERVER.
  std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }
  std::vector<std::string> Log() {
    const std::lock_guard lock(mutex_);
    return log_;
  }
  // A GET of a resource and query under the path prefix, the way any HTTP client sends it;
  // the status (0 without an answer) and the body.
  std::pair<int, std::string> Get(const std::string& resourceAndQuery, const char* from = "127.0.0.1") const {
    const HttpAnswer answer = HttpGet(port_, "/" + std::string(kOnlinePathPrefix) + resourceAndQuery, from);
    return {answer.status, answer.body};
  }
  // A GET of a path of the server's own ("/", "/metrics", …).
  HttpAnswer GetPath(const std::string& target, const char* from = "127.0.0.1", std::string_view headers = "") const {
    return HttpGet(port_, target, from, headers);
  }

 private:
  static std::vector<std::unique_ptr<ScoreStore>> Connections(const std::string& db, int count) {
    std::vector<std::unique_ptr<ScoreStore>> connections;
    for (int i = 0; i < count; ++i) {
      std::string error;
      auto store = OpenScoreStore(db, error);
      EXPECT_TRUE(store) << error;
      if (store) connections.push_back(std::move(store));
    }
    return connections;
  }

  ServerMetrics metrics_;
  HighscoreService service_;
  StoreWorkers workers_;
  HighscoreHttpServer http_;
  int port_ = 0;
  std::mutex mutex_;
  std::vector<std::string> log_;
  std::thread thread_;
};

}  // namespace tolvex
