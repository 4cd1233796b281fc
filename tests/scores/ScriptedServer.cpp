#include "ScriptedServer.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "support/TestPorts.h"

namespace tolvex {

namespace {

// Waits up to ms for the socket; false when nothing came.
bool Ready(int fd, short events, int ms) {
  pollfd wait{fd, events, 0};
  return poll(&wait, 1, ms) > 0;
}

// True once the client has closed its side (or sent more than the script reads).
bool ClientGone(int client) {
  char byte;
  return Ready(client, POLLIN, 0) && recv(client, &byte, 1, MSG_DONTWAIT) <= 0;
}

}  // namespace

ScriptedServer::ScriptedServer(Script script) {
  listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  port_ = TakeTestPort([this](int port) {
    const sockaddr_in address = LoopbackAddress(port);
    return bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  });
  listen(listener_, 8);
  thread_ = std::thread([this, script = std::move(script)] { Run(script); });
}

ScriptedServer::~ScriptedServer() {
  stopping_ = true;
  thread_.join();
  close(listener_);
}

std::string ScriptedServer::Address() const { return "127.0.0.1:" + std::to_string(port_); }

std::string ScriptedServer::LastRequest() {
  const std::lock_guard lock(mutex_);
  return lastRequest_;
}

void ScriptedServer::Run(const Script& script) {
  while (!stopping_) {
    if (!Ready(listener_, POLLIN, 20)) continue;
    const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) continue;
    ++connections_;
    script(*this, client);
    close(client);
  }
}

void ScriptedServer::ReadRequest(int client) {
  std::string request;
  char byte;
  while (!stopping_ && request.find("\r\n\r\n") == std::string::npos) {
    if (!Ready(client, POLLIN, 20)) continue;
    if (recv(client, &byte, 1, 0) != 1) break;
    request += byte;
  }
  const std::lock_guard lock(mutex_);
  lastRequest_ = request;
}

bool ScriptedServer::Send(int client, std::string_view data) {
  while (!data.empty() && !stopping_) {
    if (!Ready(client, POLLOUT, 20)) continue;
    const ssize_t sent = send(client, data.data(), data.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(sent));
  }
  return data.empty();
}

void ScriptedServer::HoldOpen(int client) {
  while (!stopping_ && !ClientGone(client)) Ready(client, POLLIN, 20);
}

void ScriptedServer::Trickle(int client, std::string_view data, int intervalMs) {
  while (!stopping_ && !ClientGone(client) && Send(client, data)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
  }
}

ScriptedServer::Script AnswerWith(std::string answer) {
  return [answer = std::move(answer)](ScriptedServer& server, int client) {
    server.ReadRequest(client);
    server.Send(client, answer);
  };
}

ScriptedServer::Script AnswerAndHold(std::string answer) {
  return [answer = std::move(answer)](ScriptedServer& server, int client) {
    server.ReadRequest(client);
    server.Send(client, answer);
    server.HoldOpen(client);
  };
}

}  // namespace tolvex
