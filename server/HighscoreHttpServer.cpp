#include "server/HighscoreHttpServer.h"

#include <httplib.h>

#include <chrono>
#include <ctime>
#include <thread>

#include "scores/OnlineRequests.h"

namespace tolvex {

namespace {

// Text for the log: cut to maxLength, with control and non-ASCII bytes shown as "?".
std::string Printable(const std::string& text, std::size_t maxLength) {
  std::string shown = text.substr(0, std::min(text.find('\n'), maxLength));
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) c = '?';
  }
  return shown;
}

std::string Timestamp() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

}  // namespace

HighscoreHttpServer::HighscoreHttpServer(HighscoreService& service, LogSink log)
    : service_(service), log_(std::move(log)), http_(std::make_unique<httplib::Server>()) {
  const std::string prefix = "/" + std::string(kOnlinePathPrefix);
  const auto route = [this](auto answer) {
    return [this, answer](const httplib::Request& request, httplib::Response& response) {
      QueryParams params;
      const ServiceAnswer result = ParseQuery(request.target, params) ? (service_.*answer)(params)
                                                                      : ServiceAnswer{400, "[ERROR] malformed query\n"};
      response.status = result.status;
      response.set_content(result.body, "text/plain");
    };
  };
  http_->Get(prefix + std::string(kVersionResource), route(&HighscoreService::CheckVersion));
  http_->Get(prefix + std::string(kSubmitResource), route(&HighscoreService::Submit));
  http_->Get(prefix + std::string(kFetchResource), route(&HighscoreService::Fetch));
  // The game's requests are a few hundred bytes; a client that dawdles or sends more gets nowhere.
  http_->set_read_timeout(5);
  http_->set_write_timeout(5);
  http_->set_payload_max_length(4096);
  http_->set_logger([this](const httplib::Request& request, const httplib::Response& response) {
    Log(Timestamp() + " " + request.remote_addr + " " + request.method + " " + Printable(request.path, 120) +
        " " + std::to_string(response.status) + " " + Printable(response.body, 60));
  });
}

HighscoreHttpServer::~HighscoreHttpServer() = default;

bool HighscoreHttpServer::Bind(const std::string& address, int port) { return http_->bind_to_port(address, port); }

bool HighscoreHttpServer::Serve() {
  const bool served = stopRequested_ || http_->listen_after_bind();
  ended_ = true;
  return served;
}

void HighscoreHttpServer::Stop() {
  stopRequested_ = true;
  // The server only takes a stop once it runs, so keep asking until Serve has returned.
  while (!ended_) {
    http_->stop();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void HighscoreHttpServer::Log(const std::string& line) {
  const std::lock_guard lock(logMutex_);
  log_(line);
}

}  // namespace tolvex
