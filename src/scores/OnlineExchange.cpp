#include "scores/OnlineExchange.h"

#include <cstdlib>

#include "scores/OnlineRecord.h"
#include "scores/OnlineRequests.h"

namespace tolvex {

bool ParseServerAddress(std::string_view text, OnlineServerAddress& address) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos) return false;
  std::string_view host = text.substr(0, colon);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
  int port = 0;
  if (host.empty() || !ParseDecimal(text.substr(colon + 1), port) || port < 1 || port > 65535) return false;
  address.host = host;
  address.port = port;
  return true;
}

OnlineServerAddress OnlineServer() {
  OnlineServerAddress address;
  const char* setting = std::getenv("TOLVEX_HIGHSCORE_SERVER");
  if (setting && !ParseServerAddress(setting, address))
    WriteDebugLine(std::string("TOLVEX_HIGHSCORE_SERVER is not host:port: ") + setting);
  return address;
}

std::string HostHeader(const OnlineServerAddress& address) {
  const bool v6 = address.host.find(':') != std::string::npos;
  std::string header = v6 ? "[" + address.host + "]" : address.host;
  if (address.port != 80) header += ":" + std::to_string(address.port);
  return header;
}

ExchangeLimits& OnlineLimits() {
  static ExchangeLimits limits;
  return limits;
}

ExchangeEnd RunOnlineExchange(std::string_view resourceAndQuery, const AnswerLineHandler& onLine) {
  const OnlineServerAddress server = OnlineServer();
  const auto connection = TcpConnection::Open(server.host, server.port, OnlineLimits());
  if (!connection || !connection->Send(HttpGetRequest(HostHeader(server), resourceAndQuery))) {
    WriteDebugLine("No connection to the highscore server " + HostHeader(server));
    return ExchangeEnd::Failed;
  }
  return ReadOnlineAnswer(*connection, onLine);
}

}  // namespace tolvex
