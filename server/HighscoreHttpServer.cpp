#include "server/HighscoreHttpServer.h"

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <ctime>
#include <mutex>
#include <unordered_map>
#include <unordered_set>
#include <variant>

#include "scores/OnlineRequests.h"
#include "server/BestCache.h"
#include "server/ClientAddress.h"
#include "server/HttpSession.h"
#include "server/SubmitRateLimiter.h"

namespace tolvex {

namespace {

using boost::asio::ip::tcp;

// Text for the log: cut to maxLength, with control and non-ASCII bytes shown as "?".
std::string Printable(std::string_view text, std::size_t maxLength) {
  std::string shown(text.substr(0, std::min(text.find('\n'), maxLength)));
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

// Told at once to a connection over its address's cap: there is no room to read its request.
constexpr std::string_view kTooManyConnections =
    "HTTP/1.1 429 Too Many Requests\r\nContent-Length: 52\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n"
    "[ERROR] too many open connections from your address\n";

// After an accept fails for want of file descriptors, the next waits this long for some to close.
constexpr auto kAcceptPause = std::chrono::milliseconds(50);
// How long answers under way may take to go out once the server is told to stop.
constexpr auto kStopGrace = std::chrono::seconds(3);
// How long the best entries read from the store serve the readers of this server. Entries it
// stores itself show at once; those stored through other servers on the same table within this.
constexpr auto kBestFreshFor = std::chrono::seconds(1);

}  // namespace

// Everything that runs on the event loop's thread.
class HighscoreHttpServer::Loop final : public SessionHost {
 public:
  Loop(HighscoreService& service, StoreWorkers& workers, ServerMetrics& metrics, const ServerLimits& limits,
       LogSink log)
      : service_(service),
        workers_(workers),
        metrics_(metrics),
        limits_(limits),
        log_(std::move(log)),
        acceptor_(io_),
        acceptPause_(io_),
        stopTimer_(io_),
        submits_(limits.submitsPerMinute),
        mailbox_(std::make_shared<Mailbox>(&io_)) {
    sessionLimits_.firstRequest = limits.requestDeadline;
    for (const std::string& proxy : limits.trustedProxies) {
      boost::system::error_code error;
      const auto address = boost::asio::ip::make_address(proxy, error);
      if (!error) trustedProxies_.insert(ShownAddress(address));
    }
  }
  ~Loop() override {
    const std::lock_guard lock(mailbox_->mutex);
    mailbox_->io = nullptr;
  }

  bool Bind(const std::string& address, int port) {
    boost::system::error_code error;
    const auto ip = boost::asio::ip::make_address(address, error);
    if (error) return false;
    const tcp::endpoint endpoint(ip, static_cast<unsigned short>(port));
    acceptor_.open(endpoint.protocol(), error);
    if (!error) acceptor_.set_option(tcp::acceptor::reuse_address(true), error);
    if (!error) acceptor_.bind(endpoint, error);
    if (!error) acceptor_.listen(boost::asio::socket_base::max_listen_connections, error);
    if (error) acceptor_.close(error);
    return acceptor_.is_open();
  }

  bool Serve() {
    if (!acceptor_.is_open() && !stopping_) return false;
    Accept();
    io_.run();
    return true;
  }

  void Stop() {
    boost::asio::post(io_, [this] { BeginStop(); });
  }

  void OnRequest(const std::shared_ptr<HttpSession>& session, HttpRequest request) override;
  void OnClosed(HttpSession& session, bool timedOut) override;

 private:
  // Where workers hand their answers to the loop; it outlives the loop for workers still busy.
  struct Mailbox {
    explicit Mailbox(boost::asio::io_context* loop) : io(loop) {}
    std::mutex mutex;
    boost::asio::io_context* io;
  };
  // One request being answered.
  struct Exchange {
    std::shared_ptr<HttpSession> session;
    std::string route;
    boost::asio::ip::address client;
    std::string method;
    std::string path;
  };
  using Handler = void (Loop::*)(Exchange exchange, const QueryParams& params);
  // A list of the given length cut from the best entries.
  using ListAnswer = ServiceAnswer (HighscoreService::*)(int limit, const std::vector<OnlineRecord>& best) const;
  // Takes a worker's answer on the loop's thread.
  using LoopAnswer = std::function<void(ServiceAnswer answer)>;

  void Accept();
  void OnAccept(const boost::system::error_code& error, tcp::socket socket);
  void BeginStop();
  bool IsTrusted(const boost::asio::ip::address& address) const {
    return trustedProxies_.contains(ShownAddress(address));
  }
  // The client a request is from: the peer, or the one a trusted proxy names.
  boost::asio::ip::address ClientOf(const HttpSession& session, const HttpRequest& request) const;

  void CheckVersion(Exchange exchange, const QueryParams& params);
  void Submit(Exchange exchange, const QueryParams& params);
  void Fetch(Exchange exchange, const QueryParams& params);
  void Page(Exchange exchange, const QueryParams& params);
  void Top(Exchange exchange, const QueryParams& params);
  void Health(Exchange exchange, const QueryParams& params);
  void Metrics(Exchange exchange, const QueryParams& params);

  // Does the work on a store connection and hands its answer to then on the loop.
  void WithStore(std::string_view operation, StoreWork work, LoopAnswer then);
  // Finishes the exchange with an answer made from the best entries.
  void WithBest(Exchange exchange, std::function<ServiceAnswer(const std::vector<OnlineRecord>& best)> answer);
  // Reads the best entries for the cache.
  void RefreshBest();
  // Answers with a list of the length asked for, or with the refusal of the length.
  void WithLimit(Exchange exchange, const std::variant<int, ServiceAnswer>& limit, ListAnswer answer);
  // Counts, logs and sends the answer.
  void Finish(const Exchange& exchange, const ServiceAnswer& answer);

  HighscoreService& service_;
  StoreWorkers& workers_;
  ServerMetrics& metrics_;
  const ServerLimits limits_;
  SessionLimits sessionLimits_;
  LogSink log_;
  boost::asio::io_context io_{1};
  tcp::acceptor acceptor_;
  boost::asio::steady_timer acceptPause_, stopTimer_;
  SubmitRateLimiter submits_;
  BestCache best_{kBestFreshFor};
  std::shared_ptr<Mailbox> mailbox_;
  std::unordered_set<std::string> trustedProxies_;
  // Open connections by the key of their address.
  std::unordered_map<std::string, int> openByAddress_;
  std::unordered_map<HttpSession*, std::weak_ptr<HttpSession>> sessions_;
  bool stopping_ = false;
};

void HighscoreHttpServer::Loop::Accept() {
  acceptor_.async_accept([this](const boost::system::error_code& error, tcp::socket socket) {
    OnAccept(error, std::move(socket));
  });
}

void HighscoreHttpServer::Loop::OnAccept(const boost::system::error_code& error, tcp::socket socket) {
  if (stopping_ || error == boost::asio::error::operation_aborted) return;
  if (error) {
    // Out of file descriptors, most likely: let some connections close before the next accept.
    acceptPause_.expires_after(kAcceptPause);
    acceptPause_.async_wait([this](const boost::system::error_code& waited) {
      if (!waited && !stopping_) Accept();
    });
    return;
  }
  Accept();
  boost::system::error_code peerError;
  const boost::asio::ip::address peer = socket.remote_endpoint(peerError).address();
  if (peerError) return;
  const std::string key = LimitKey(peer);
  int& open = openByAddress_[key];
  if (limits_.connectionsPerAddress > 0 && open >= limits_.connectionsPerAddress && !IsTrusted(peer)) {
    // The socket's send buffer is empty, so the short answer goes out without waiting.
    boost::system::error_code ignored;
    socket.non_blocking(true, ignored);
    socket.write_some(boost::asio::buffer(kTooManyConnections), ignored);
    socket.close(ignored);
    metrics_.CountRefusal("connection_cap");
    return;
  }
  ++open;
  metrics_.ConnectionOpened();
  auto session = std::make_shared<HttpSession>(std::move(socket), *this, sessionLimits_, peer);
  sessions_.emplace(session.get(), session);
  session->Start();
}

void HighscoreHttpServer::Loop::OnClosed(HttpSession& session, bool timedOut) {
  const auto open = openByAddress_.find(LimitKey(session.Address()));
  if (open != openByAddress_.end() && --open->second <= 0) openByAddress_.erase(open);
  sessions_.erase(&session);
  metrics_.ConnectionClosed();
  if (timedOut) metrics_.CountRefusal("deadline");
  if (stopping_ && sessions_.empty()) io_.stop();
}

void HighscoreHttpServer::Loop::BeginStop() {
  if (stopping_) return;
  stopping_ = true;
  boost::system::error_code ignored;
  acceptor_.close(ignored);
  acceptPause_.cancel();
  // Closing a session takes it out of sessions_, so walk a copy.
  std::vector<std::shared_ptr<HttpSession>> open;
  for (const auto& [raw, session] : sessions_)
    if (auto alive = session.lock()) open.push_back(std::move(alive));
  for (const auto& session : open) session->CloseIfIdle();
  if (sessions_.empty()) {
    io_.stop();
    return;
  }
  stopTimer_.expires_after(kStopGrace);
  stopTimer_.async_wait([this](const boost::system::error_code& error) {
    if (!error) io_.stop();
  });
}

boost::asio::ip::address HighscoreHttpServer::Loop::ClientOf(const HttpSession& session,
                                                            const HttpRequest& request) const {
  if (!IsTrusted(session.Address())) return session.Address();
  const auto forwarded = request.find("X-Forwarded-For");
  if (forwarded == request.end()) return session.Address();
  return ForwardedClient(forwarded->value()).value_or(session.Address());
}

void HighscoreHttpServer::Loop::OnRequest(const std::shared_ptr<HttpSession>& session, HttpRequest request) {
  const std::string prefix = "/" + std::string(kOnlinePathPrefix);
  static const std::unordered_map<std::string, std::pair<std::string, Handler>> kRoutes = {
      {prefix + std::string(kVersionResource), {std::string(kVersionResource), &Loop::CheckVersion}},
      {prefix + std::string(kSubmitResource), {std::string(kSubmitResource), &Loop::Submit}},
      {prefix + std::string(kFetchResource), {std::string(kFetchResource), &Loop::Fetch}},
      {"/", {"leaderboard", &Loop::Page}},
      {"/top.json", {"top.json", &Loop::Top}},
      {"/healthz", {"healthz", &Loop::Health}},
      {"/metrics", {"metrics", &Loop::Metrics}},
  };
  const std::string_view target = request.target();
  Exchange exchange{session, "other", ClientOf(*session, request), std::string(request.method_string()),
                    std::string(target.substr(0, target.find('?')))};
  const auto route = kRoutes.find(exchange.path);
  if (route == kRoutes.end()) return Finish(exchange, {404, ""});
  exchange.route = route->second.first;
  if (request.method() != http::verb::get) return Finish(exchange, RefusalAnswer(405, "malformed", "only GET is served"));
  QueryParams params;
  if (!ParseQuery(target, params)) return Finish(exchange, RefusalAnswer(400, "malformed", "malformed query"));
  (this->*route->second.second)(std::move(exchange), params);
}

void HighscoreHttpServer::Loop::CheckVersion(Exchange exchange, const QueryParams& params) {
  Finish(exchange, service_.CheckVersion(params));
}

void HighscoreHttpServer::Loop::Submit(Exchange exchange, const QueryParams& params) {
  if (!submits_.Admit(LimitKey(exchange.client), std::chrono::steady_clock::now()))
    return Finish(exchange, RefusalAnswer(429, "flood", "too many submissions from your address, try again later"));
  auto read = service_.ReadSubmission(params);
  if (auto* refusal = std::get_if<ServiceAnswer>(&read)) return Finish(exchange, *refusal);
  WithStore(
      "insert",
      [this, record = std::get<OnlineRecord>(std::move(read))](ScoreStore& store) { return service_.Store(record, store); },
      [this, exchange = std::move(exchange)](ServiceAnswer answer) {
        if (answer.status == 200) best_.Stored();
        Finish(exchange, answer);
      });
}

void HighscoreHttpServer::Loop::Fetch(Exchange exchange, const QueryParams& params) {
  WithLimit(std::move(exchange), service_.ReadFetchLimit(params), &HighscoreService::Fetch);
}

void HighscoreHttpServer::Loop::Page(Exchange exchange, const QueryParams&) {
  WithBest(std::move(exchange), [this](const std::vector<OnlineRecord>& best) { return service_.Page(best); });
}

void HighscoreHttpServer::Loop::Top(Exchange exchange, const QueryParams& params) {
  WithLimit(std::move(exchange), service_.ReadTopLimit(params), &HighscoreService::Top);
}

void HighscoreHttpServer::Loop::WithLimit(Exchange exchange, const std::variant<int, ServiceAnswer>& limit,
                                          ListAnswer answer) {
  if (const auto* refusal = std::get_if<ServiceAnswer>(&limit)) return Finish(exchange, *refusal);
  WithBest(std::move(exchange), [this, answer, count = std::get<int>(limit)](const std::vector<OnlineRecord>& best) {
    return (service_.*answer)(count, best);
  });
}

void HighscoreHttpServer::Loop::WithBest(Exchange exchange,
                                         std::function<ServiceAnswer(const std::vector<OnlineRecord>& best)> answer) {
  const bool refresh = best_.Read(std::chrono::steady_clock::now(),
                                  [this, exchange = std::move(exchange), answer = std::move(answer)](
                                      const std::vector<OnlineRecord>* best) {
                                    Finish(exchange, best ? answer(*best) : HighscoreService::Unreadable());
                                  });
  if (refresh) RefreshBest();
}

void HighscoreHttpServer::Loop::RefreshBest() {
  auto best = std::make_shared<std::vector<OnlineRecord>>();
  WithStore(
      "best",
      [this, best](ScoreStore& store) {
        return service_.ReadBest(store, *best) ? ServiceAnswer(200, "") : HighscoreService::Unreadable();
      },
      [this, best](const ServiceAnswer& answer) {
        std::optional<std::vector<OnlineRecord>> read;
        if (answer.status == 200) read = std::move(*best);
        if (best_.Refreshed(std::chrono::steady_clock::now(), std::move(read))) RefreshBest();
      });
}

void HighscoreHttpServer::Loop::Health(Exchange exchange, const QueryParams&) {
  WithStore(
      "ping", [this](ScoreStore& store) { return service_.Health(store); },
      [this, exchange = std::move(exchange)](const ServiceAnswer& answer) { Finish(exchange, answer); });
}

void HighscoreHttpServer::Loop::Metrics(Exchange exchange, const QueryParams&) {
  Finish(exchange, {200, metrics_.Text(), "text/plain; version=0.0.4"});
}

void HighscoreHttpServer::Loop::WithStore(std::string_view operation, StoreWork work, LoopAnswer then) {
  const auto deadline = std::chrono::steady_clock::now() + limits_.storeDeadline;
  workers_.Run(operation, deadline, std::move(work),
               [mailbox = mailbox_, then = std::move(then)](ServiceAnswer answer) mutable {
                 const std::lock_guard lock(mailbox->mutex);
                 if (!mailbox->io) return;
                 boost::asio::post(*mailbox->io, [then = std::move(then), answer = std::move(answer)] { then(answer); });
               });
}

void HighscoreHttpServer::Loop::Finish(const Exchange& exchange, const ServiceAnswer& answer) {
  metrics_.CountRequest(exchange.route, answer.status);
  if (!answer.refusal.empty()) metrics_.CountRefusal(answer.refusal);
  log_(Timestamp() + " " + ShownAddress(exchange.client) + " " + exchange.method + " " + Printable(exchange.path, 120) + " " +
       std::to_string(answer.status) + " " + Printable(answer.body, 60));
  exchange.session->Answer(answer, stopping_);
}

HighscoreHttpServer::HighscoreHttpServer(HighscoreService& service, StoreWorkers& workers, ServerMetrics& metrics,
                                         const ServerLimits& limits, LogSink log)
    : loop_(std::make_unique<Loop>(service, workers, metrics, limits, std::move(log))) {}

HighscoreHttpServer::~HighscoreHttpServer() = default;

bool HighscoreHttpServer::Bind(const std::string& address, int port) { return loop_->Bind(address, port); }
bool HighscoreHttpServer::Serve() { return loop_->Serve(); }
void HighscoreHttpServer::Stop() { loop_->Stop(); }

}  // namespace tolvex
