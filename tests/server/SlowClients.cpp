#include "SlowClients.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "HttpClient.h"

namespace tolvex {

namespace {

// A request that would be answered, were it ever finished.
constexpr std::string_view kRequest =
    "GET /games/tolvexExt107highscore/get.php?limit=10&funpicbuffer=0 HTTP/1.0\r\nHost: 127.0.0.1\r\n"
    "User-Agent: Tolvex 1.07\r\nAccept: */*\r\n\r\n";

}  // namespace

SlowClients::SlowClients(int port, int count, int perAddress) : port_(port), clients_(static_cast<std::size_t>(count)) {
  for (std::size_t i = 0; i < clients_.size(); ++i) {
    const std::size_t address = i / static_cast<std::size_t>(perAddress);
    clients_[i].from = "127.0." + std::to_string(address / 250) + "." + std::to_string(2 + address % 250);
    Open(clients_[i]);
  }
}

SlowClients::~SlowClients() {
  for (const Client& client : clients_)
    if (client.fd >= 0) close(client.fd);
}

void SlowClients::Open(Client& client) {
  client.fd = ConnectFrom(client.from.c_str(), port_);
  client.opened = client.lastByte = Clock::now();
  client.sent = 0;
  client.closedAfter = -1;
}

int SlowClients::Step(std::chrono::milliseconds interval) {
  std::vector<pollfd> ready;
  for (const Client& client : clients_) ready.push_back({client.fd, POLLIN, 0});
  poll(ready.data(), ready.size(), 0);
  const Clock::time_point now = Clock::now();
  int open = 0;
  for (std::size_t i = 0; i < clients_.size(); ++i) {
    Client& client = clients_[i];
    if (client.fd < 0) continue;
    char byte;
    // A slow client never gets an answer: anything readable is the server closing on it.
    if ((ready[i].revents & (POLLIN | POLLHUP | POLLERR)) && recv(client.fd, &byte, 1, MSG_DONTWAIT) <= 0) {
      close(client.fd);
      client.fd = -1;
      client.closedAfter = std::chrono::duration<double>(now - client.opened).count();
      continue;
    }
    ++open;
    if (now - client.lastByte < interval || client.sent + 1 >= kRequest.size()) continue;
    if (send(client.fd, kRequest.data() + client.sent, 1, MSG_NOSIGNAL | MSG_DONTWAIT) == 1) ++client.sent;
    client.lastByte = now;
  }
  return open;
}

void SlowClients::Replace() {
  for (Client& client : clients_) {
    if (client.fd >= 0) continue;
    replacedClosings_.push_back(client.closedAfter);
    Open(client);
  }
}

std::vector<double> SlowClients::ClosedAfter() const {
  std::vector<double> closings = replacedClosings_;
  for (const Client& client : clients_)
    if (client.fd < 0 && client.closedAfter >= 0) closings.push_back(client.closedAfter);
  return closings;
}

}  // namespace tolvex
