#pragma once
// Clients that send their request one byte at a time, too slowly ever to finish it: what an
// attacker, or a very bad line, does to a server. Spread over loopback addresses 127.0.0.2 and up.
#include <chrono>
#include <string>
#include <vector>

namespace tolvex {

class SlowClients {
 public:
  using Clock = std::chrono::steady_clock;

  // count connections to the loopback port, perAddress of them from each source address.
  SlowClients(int port, int count, int perAddress);
  ~SlowClients();
  SlowClients(const SlowClients&) = delete;
  SlowClients& operator=(const SlowClients&) = delete;

  // Sends one more byte of the request on every open connection whose last byte is at least
  // interval old, and notes the connections the server has closed. Returns how many are open.
  int Step(std::chrono::milliseconds interval);
  // Opens a new connection in place of every one the server closed, so that count stay attached.
  void Replace();

  int Opened() const { return static_cast<int>(clients_.size()); }
  // How long each closed connection had been open when the server closed it, in seconds.
  std::vector<double> ClosedAfter() const;

 private:
  struct Client {
    int fd = -1;
    std::string from;
    Clock::time_point opened, lastByte;
    std::size_t sent = 0;
    double closedAfter = -1;
  };
  void Open(Client& client);

  int port_;
  std::vector<Client> clients_;
  std::vector<double> replacedClosings_;
};

}  // namespace tolvex
