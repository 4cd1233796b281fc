#pragma once
// One client connection: reads its requests within their deadlines, hands each to the server and
// writes the answer back. Lives on the event loop's thread only.
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "server/HighscoreService.h"

namespace tolvex {

namespace http = boost::beast::http;
using HttpRequest = http::request<http::empty_body>;

class HttpSession;

// What a session asks of its server.
class SessionHost {
 public:
  virtual ~SessionHost() = default;
  // A whole request has arrived; the host answers it with session->Answer, now or later.
  virtual void OnRequest(const std::shared_ptr<HttpSession>& session, HttpRequest request) = 0;
  // The connection is closed; timedOut when its request did not arrive in time.
  virtual void OnClosed(HttpSession& session, bool timedOut) = 0;
};

// How long a connection may take, and how much it may send.
struct SessionLimits {
  // From the connection's opening to the end of its first request.
  std::chrono::milliseconds firstRequest{10000};
  // From an answer to the end of the next request on the same connection.
  std::chrono::milliseconds nextRequest{5000};
  // For writing an answer to a client that does not read it.
  std::chrono::milliseconds answer{10000};
  // Requests served on one connection.
  int requestsPerConnection = 5;
  // The request line and headers; a long name escaped fills about 12 KB.
  std::uint32_t headerBytes = 32 * 1024;
};

class HttpSession : public std::enable_shared_from_this<HttpSession> {
 public:
  // address is the peer's.
  HttpSession(boost::asio::ip::tcp::socket socket, SessionHost& host, const SessionLimits& limits,
              boost::asio::ip::address address);

  // Starts the deadline and reads the first request.
  void Start();
  // Writes the answer to the request last handed to the host, then reads the next or, after the
  // last answer, closes.
  void Answer(const ServiceAnswer& answer, bool last);
  // Closes the connection at once, unless an answer is being made or written.
  void CloseIfIdle();

  const boost::asio::ip::address& Address() const { return address_; }

 private:
  void ReadRequest(std::chrono::milliseconds allowed);
  void OnRead(boost::beast::error_code error);
  void OnWritten(boost::beast::error_code error);
  void ArmDeadline(std::chrono::milliseconds allowed);
  void Close();

  boost::asio::ip::tcp::socket socket_;
  boost::asio::steady_timer deadline_;
  SessionHost& host_;
  const SessionLimits& limits_;
  boost::asio::ip::address address_;
  boost::beast::flat_buffer buffer_;
  std::optional<http::request_parser<http::empty_body>> parser_;
  http::response<http::string_body> response_;
  int served_ = 0;
  unsigned requestVersion_ = 10;
  bool keepAlive_ = false;
  bool busy_ = false;
  bool timedOut_ = false;
  bool closed_ = false;
};

}  // namespace tolvex
