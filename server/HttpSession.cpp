#include "server/HttpSession.h"

#include <boost/asio/write.hpp>

namespace tolvex {

namespace {

// The headers every answer carries, in the order the game's server has always sent them.
void SetHeaders(http::response<http::string_body>& response, const ServiceAnswer& answer, bool closeHttp11) {
  response.set(http::field::content_length, std::to_string(answer.body.size()));
  if (!answer.body.empty()) response.set(http::field::content_type, answer.contentType);
  response.set(http::field::keep_alive, "timeout=5, max=5");
  if (closeHttp11) response.set(http::field::connection, "close");
}

}  // namespace

HttpSession::HttpSession(boost::asio::ip::tcp::socket socket, SessionHost& host, const SessionLimits& limits,
                         boost::asio::ip::address address)
    : socket_(std::move(socket)),
      deadline_(socket_.get_executor()),
      host_(host),
      limits_(limits),
      address_(std::move(address)) {}

void HttpSession::Start() { ReadRequest(limits_.firstRequest); }

void HttpSession::ArmDeadline(std::chrono::milliseconds allowed) {
  deadline_.expires_after(allowed);
  deadline_.async_wait([self = shared_from_this()](boost::beast::error_code error) {
    if (error || self->closed_) return;
    self->timedOut_ = !self->busy_;
    self->Close();
  });
}

void HttpSession::ReadRequest(std::chrono::milliseconds allowed) {
  // The deadline is for the whole request: it is not renewed as bytes trickle in.
  ArmDeadline(allowed);
  parser_.emplace();
  parser_->header_limit(limits_.headerBytes);
  http::async_read(socket_, buffer_, *parser_,
                   [self = shared_from_this()](boost::beast::error_code error, std::size_t) { self->OnRead(error); });
}

void HttpSession::OnRead(boost::beast::error_code error) {
  if (closed_) return;
  if (error) {
    // A request the parser cannot read gets no answer: whoever sent it is no HTTP client.
    Close();
    return;
  }
  busy_ = true;
  ++served_;
  HttpRequest request = parser_->release();
  requestVersion_ = request.version();
  keepAlive_ = request.keep_alive() && served_ < limits_.requestsPerConnection;
  ArmDeadline(limits_.answer);
  host_.OnRequest(shared_from_this(), std::move(request));
}

void HttpSession::Answer(const ServiceAnswer& answer, bool last) {
  if (closed_) return;
  keepAlive_ = keepAlive_ && !last;
  response_ = {};
  response_.version(11);
  response_.result(static_cast<unsigned>(answer.status));
  response_.body() = answer.body;
  SetHeaders(response_, answer, !keepAlive_ && requestVersion_ >= 11);
  http::async_write(socket_, response_, [self = shared_from_this()](boost::beast::error_code error, std::size_t) {
    self->OnWritten(error);
  });
}

void HttpSession::OnWritten(boost::beast::error_code error) {
  busy_ = false;
  if (closed_) return;
  if (error || !keepAlive_) {
    Close();
    return;
  }
  ReadRequest(limits_.nextRequest);
}

void HttpSession::CloseIfIdle() {
  if (!busy_) Close();
}

void HttpSession::Close() {
  if (closed_) return;
  closed_ = true;
  deadline_.cancel();
  boost::beast::error_code ignored;
  socket_.shutdown(boost::asio::ip::tcp::socket::shutdown_both, ignored);
  socket_.close(ignored);
  host_.OnClosed(*this, timedOut_);
}

}  // namespace tolvex
