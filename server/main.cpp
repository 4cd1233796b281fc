// tolvex-highscore-server: the online highscore table the game talks to.
#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>

#include <iostream>
#include <thread>

#include "scores/OnlineRequests.h"
#include "server/HighscoreHttpServer.h"
#include "server/ServerOptions.h"

namespace {

using namespace tolvex;

// Every open connection holds a file descriptor: take as many as the system allows.
void RaiseOpenFileLimit() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == limit.rlim_max) return;
  limit.rlim_cur = limit.rlim_max;
  setrlimit(RLIMIT_NOFILE, &limit);
}

// The store's connections, one per worker; empty with the reason in error when one cannot be had.
std::vector<std::unique_ptr<ScoreStore>> OpenConnections(const ServerOptions& options, std::string& error) {
  std::vector<std::unique_ptr<ScoreStore>> connections;
  for (int i = 0; i < options.dbConnections; ++i) {
    auto store = OpenScoreStore(options.db, error, ScoreStore::Clock::now() + std::chrono::seconds(10));
    if (!store) return {};
    connections.push_back(std::move(store));
  }
  return connections;
}

}  // namespace

int main(int argc, char** argv) {
  ServerOptions options;
  std::string error;
  if (!ParseServerOptions({argv + 1, argv + argc}, options, error)) {
    std::cerr << "tolvex-highscore-server: " << error << "\n" << ServerUsage();
    return 2;
  }
  if (options.help) {
    std::cout << ServerUsage();
    return 0;
  }
  auto connections = OpenConnections(options, error);
  if (connections.empty()) {
    std::cerr << "tolvex-highscore-server: " << error << "\n";
    return 1;
  }
  HighscoreService service(options.maxEntries);
  // A lowered --max-entries takes effect at once.
  service.Trim(*connections.front());
  RaiseOpenFileLimit();
  signal(SIGPIPE, SIG_IGN);
  // SIGTERM and SIGINT are taken by a waiting thread rather than a handler, so that stopping may
  // call into the server; every thread started later inherits the blocked set.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  ServerMetrics metrics;
  StoreWorkers workers(std::move(connections), metrics);
  HighscoreHttpServer server(service, workers, metrics, options.limits,
                             [](const std::string& line) { std::cout << line << std::endl; });
  if (!server.Bind(options.listen, options.port)) {
    std::cerr << "tolvex-highscore-server: cannot listen on " << options.listen << ":" << options.port << "\n";
    return 1;
  }
  std::cout << "Serving the highscore table on " << options.listen << ":" << options.port << "/"
            << kOnlinePathPrefix << " with " << (IsPostgresUri(options.db) ? "PostgreSQL" : "SQLite file " + options.db)
            << std::endl;
  std::thread stopper([&] {
    int signal = 0;
    sigwait(&stopSignals, &signal);
    std::cout << "Stopping on signal " << signal << std::endl;
    server.Stop();
  });
  const bool served = server.Serve();
  if (!served) pthread_kill(stopper.native_handle(), SIGTERM);
  stopper.join();
  std::cout << "Stopped" << std::endl;
  return served ? 0 : 1;
}
