#include "server/ServerOptions.h"

#include "scores/OnlineRecord.h"

namespace tolvex {

bool ParseServerOptions(const std::vector<std::string>& arguments, ServerOptions& options, std::string& error) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (name == "--help") {
      options.help = true;
      continue;
    }
    if (name != "--port" && name != "--db" && name != "--listen") {
      error = "unknown option " + name;
      return false;
    }
    if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
      error = name + " needs a value";
      return false;
    }
    const std::string& value = arguments[++i];
    if (name == "--db") {
      options.db = value;
    } else if (name == "--listen") {
      options.listen = value;
    } else if (!ParseDecimal(value, options.port) || options.port < 1 || options.port > 65535) {
      error = "--port needs a number from 1 to 65535";
      return false;
    }
  }
  if (options.port == 0 && !options.help) {
    error = "--port is required";
    return false;
  }
  return true;
}

std::string ServerUsage() {
  return "usage: tolvex-highscore-server --port N [--db PATH | --db postgresql://...] [--listen ADDRESS]\n"
         "  --port N          the TCP port to serve on\n"
         "  --db PATH         SQLite file of the table (default tolvex-highscores.sqlite, created if missing),\n"
         "                    or a postgresql:// URI so several servers share one table\n"
         "  --listen ADDRESS  the address to listen on (default 0.0.0.0, every IPv4 interface)\n";
}

}  // namespace tolvex
