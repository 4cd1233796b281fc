#pragma once
// The highscore server's command line.
#include <string>
#include <vector>

namespace tolvex {

struct ServerOptions {
  int port = 0;
  // An SQLite file, or a "postgresql://…" URI.
  std::string db = "tolvex-highscores.sqlite";
  // The address to listen on; "0.0.0.0" takes every IPv4 interface.
  std::string listen = "0.0.0.0";
  bool help = false;
};

// Reads "--port N", "--db PATH", "--listen ADDRESS" and "--help"; false with a message in error
// for anything else, a missing value or a port outside 1..65535.
bool ParseServerOptions(const std::vector<std::string>& arguments, ServerOptions& options, std::string& error);

// The usage text for --help and errors.
std::string ServerUsage();

}  // namespace tolvex
