#pragma once
// A loopback server that misbehaves on cue, for trying the game's online client against it.
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace tolvex {

class ScriptedServer {
 public:
  // Plays the script on every connection it accepts, one after the other.
  using Script = std::function<void(ScriptedServer& server, int client)>;

  explicit ScriptedServer(Script script);
  ~ScriptedServer();

  int Port() const { return port_; }
  // "127.0.0.1:port", for TOLVEX_HIGHSCORE_SERVER.
  std::string Address() const;
  // The head of the last request received.
  std::string LastRequest();
  // How many connections it has accepted.
  int Connections() const { return connections_; }

  // Script steps.
  // Reads the request head up to its blank line.
  void ReadRequest(int client);
  // Sends data; false once the client has gone.
  bool Send(int client, std::string_view data);
  // Keeps the connection open, saying nothing, until the client closes it or the test ends.
  void HoldOpen(int client);
  // Sends data every intervalMs until the client closes it or the test ends.
  void Trickle(int client, std::string_view data, int intervalMs);
  bool Stopping() const { return stopping_; }

 private:
  void Run(const Script& script);

  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> connections_{0};
  std::mutex mutex_;
  std::string lastRequest_;
  std::thread thread_;
};

// Scripts for the usual cases.
// Reads the request, sends the answer and closes.
ScriptedServer::Script AnswerWith(std::string answer);
// Reads the request, sends the answer and then keeps the connection open.
ScriptedServer::Script AnswerAndHold(std::string answer);

}  // namespace tolvex
