// tolvex-highscore-server: the online highscore table the game talks to.
#include <pthread.h>
#include <signal.h>

#include <iostream>
#include <thread>

#include "scores/OnlineRequests.h"
#include "server/HighscoreHttpServer.h"
#include "server/ServerOptions.h"

int main(int argc, char** argv) {
  using namespace tolvex;
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
  const auto store = OpenScoreStore(options.db, error);
  if (!store) {
    std::cerr << "tolvex-highscore-server: " << error << "\n";
    return 1;
  }
  // SIGTERM and SIGINT are taken by a waiting thread rather than a handler, so that stopping may
  // call into the server; every thread started later inherits the blocked set.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  HighscoreService service(*store);
  HighscoreHttpServer server(service, [](const std::string& line) { std::cout << line << std::endl; });
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
