#include "server/ServerOptions.h"

#include <boost/asio/ip/address.hpp>

#include "scores/OnlineRecord.h"

namespace tolvex {

namespace {

// An option that takes a whole number from min to max.
struct NumberOption {
  const char* name;
  int ServerOptions::*field;
  int ServerLimits::*limit;
  int min, max;
};

constexpr NumberOption kNumbers[] = {
    {"--port", &ServerOptions::port, nullptr, 1, 65535},
    {"--db-connections", &ServerOptions::dbConnections, nullptr, 1, 64},
    {"--max-entries", &ServerOptions::maxEntries, nullptr, 1, 2147483647},
    {"--max-connections-per-address", nullptr, &ServerLimits::connectionsPerAddress, 0, 1000000},
    {"--max-submits-per-minute", nullptr, &ServerLimits::submitsPerMinute, 0, 1000000},
};

bool SetText(const std::string& name, const std::string& value, ServerOptions& options, std::string& error) {
  if (name == "--db") {
    options.db = value;
  } else if (name == "--listen") {
    options.listen = value;
  } else if (name == "--trusted-proxy") {
    boost::system::error_code invalid;
    boost::asio::ip::make_address(value, invalid);
    if (invalid) {
      error = "--trusted-proxy needs an IP address";
      return false;
    }
    options.limits.trustedProxies.push_back(value);
  } else {
    error = "unknown option " + name;
    return false;
  }
  return true;
}

bool SetNumber(const NumberOption& option, const std::string& value, ServerOptions& options, std::string& error) {
  int number = 0;
  if (!ParseDecimal(value, number) || number < option.min || number > option.max) {
    error = std::string(option.name) + " needs a number from " + std::to_string(option.min) + " to " +
            std::to_string(option.max);
    return false;
  }
  if (option.field) options.*option.field = number;
  else options.limits.*option.limit = number;
  return true;
}

}  // namespace

bool ParseServerOptions(const std::vector<std::string>& arguments, ServerOptions& options, std::string& error) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (name == "--help") {
      options.help = true;
      continue;
    }
    if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
      error = name + " needs a value";
      return false;
    }
    const std::string& value = arguments[++i];
    const NumberOption* number = nullptr;
    for (const NumberOption& option : kNumbers)
      if (name == option.name) number = &option;
    if (number ? !SetNumber(*number, value, options, error) : !SetText(name, value, options, error)) return false;
  }
  if (options.port == 0 && !options.help) {
    error = "--port is required";
    return false;
  }
  return true;
}

std::string ServerUsage() {
  return "usage: tolvex-highscore-server --port N [--db PATH | --db postgresql://...] [options]\n"
         "  --port N          the TCP port to serve on\n"
         "  --db PATH         SQLite file of the table (default tolvex-highscores.sqlite, created if missing),\n"
         "                    or a postgresql:// URI so several servers share one table\n"
         "  --listen ADDRESS  the address to listen on (default 0.0.0.0, every IPv4 interface; :: for IPv6 too)\n"
         "  --db-connections N               connections to the database, each with a thread (default 4)\n"
         "  --max-entries N                  the table keeps its best N entries (default 1000000)\n"
         "  --max-connections-per-address N  open connections one address may hold (default 32, 0 = no limit)\n"
         "  --max-submits-per-minute N       submissions one address may make in any minute (default 100,\n"
         "                                   0 = no limit); more are answered 429\n"
         "  --trusted-proxy ADDRESS          a load balancer whose X-Forwarded-For names the client\n"
         "                                   (repeatable); the per-address limits then apply to that client\n";
}

}  // namespace tolvex
