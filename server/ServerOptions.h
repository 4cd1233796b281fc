#pragma once
// The highscore server's command line.
#include <string>
#include <vector>

#include "server/HighscoreHttpServer.h"

namespace tolvex {

struct ServerOptions {
  int port = 0;
  // An SQLite file, or a "postgresql://…" URI.
  std::string db = "tolvex-highscores.sqlite";
  // The address to listen on; "0.0.0.0" takes every IPv4 interface.
  std::string listen = "0.0.0.0";
  // Connections to the store, each with a worker thread of its own.
  int dbConnections = 4;
  // The table keeps this many of its best entries.
  int maxEntries = kDefaultMaxEntries;
  ServerLimits limits;
  bool help = false;
};

// Reads the options ServerUsage lists; false with a message in error for anything else, a missing
// value or a number out of its range.
bool ParseServerOptions(const std::vector<std::string>& arguments, ServerOptions& options, std::string& error);

// The usage text for --help and errors.
std::string ServerUsage();

}  // namespace tolvex
