#include "platform/TcpConnection.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>
#include <vector>

namespace tolvex {

namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return static_cast<int>(std::clamp<long long>(left, 0, INT_MAX));
}

// A name lookup in flight. Everything the resolver reads or writes lives here, so a lookup the
// resolver will not cancel can be left to finish on its own.
struct PendingLookup {
  std::string host, service;
  addrinfo hints{};
  gaicb request{};
};

// Lookups whose time ran out while the resolver was still busy with them; kept alive for it.
std::vector<std::unique_ptr<PendingLookup>>& AbandonedLookups() {
  static std::vector<std::unique_ptr<PendingLookup>> lookups;
  return lookups;
}

struct AddressListDeleter {
  void operator()(addrinfo* list) const { freeaddrinfo(list); }
};
using AddressList = std::unique_ptr<addrinfo, AddressListDeleter>;

// Gives up on a lookup whose time ran out.
void AbandonLookup(std::unique_ptr<PendingLookup> lookup) {
  if (gai_cancel(&lookup->request) == EAI_NOTCANCELED) {
    AbandonedLookups().push_back(std::move(lookup));
  } else if (gai_error(&lookup->request) == 0) {
    freeaddrinfo(lookup->request.ar_result);
  }
}

// The addresses of host:port; null when the lookup fails or outlasts the deadline. The resolver
// works in the background, so a name server that never answers cannot hold the game past it.
AddressList LookUp(const std::string& host, int port, Clock::time_point deadline) {
  auto lookup = std::make_unique<PendingLookup>();
  lookup->host = host;
  lookup->service = std::to_string(port);
  lookup->hints.ai_family = AF_UNSPEC;
  lookup->hints.ai_socktype = SOCK_STREAM;
  lookup->hints.ai_flags = AI_NUMERICSERV;
  lookup->request.ar_name = lookup->host.c_str();
  lookup->request.ar_service = lookup->service.c_str();
  lookup->request.ar_request = &lookup->hints;
  gaicb* requests[] = {&lookup->request};
  if (getaddrinfo_a(GAI_NOWAIT, requests, 1, nullptr) != 0) return nullptr;
  while (gai_error(&lookup->request) == EAI_INPROGRESS) {
    const int left = MsLeft(deadline);
    if (left == 0) {
      AbandonLookup(std::move(lookup));
      return nullptr;
    }
    const timespec wait{left / 1000, (left % 1000) * 1000000L};
    gai_suspend(requests, 1, &wait);
  }
  if (gai_error(&lookup->request) != 0) return nullptr;
  return AddressList(lookup->request.ar_result);
}

// A connected socket to one address, or −1.
int ConnectTo(const addrinfo& address, Clock::time_point deadline) {
  const int fd = socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address.ai_protocol);
  if (fd < 0) return -1;
  if (connect(fd, address.ai_addr, address.ai_addrlen) == 0) return fd;
  if (errno == EINPROGRESS) {
    pollfd wait{fd, POLLOUT, 0};
    int ready;
    do ready = poll(&wait, 1, MsLeft(deadline));
    while (ready < 0 && errno == EINTR);
    int error = 0;
    socklen_t size = sizeof error;
    if (ready == 1 && getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0) return fd;
  }
  close(fd);
  return -1;
}

}  // namespace

std::unique_ptr<TcpConnection> TcpConnection::Open(const std::string& host, int port, const ExchangeLimits& limits) {
  if (host.empty() || port < 1 || port > 65535) return nullptr;
  const auto start = Clock::now();
  const auto deadline = start + std::chrono::milliseconds(limits.totalMs);
  const auto connectDeadline = std::min(deadline, start + std::chrono::milliseconds(limits.connectMs));
  const AddressList addresses = LookUp(host, port, connectDeadline);
  for (const addrinfo* address = addresses.get(); address; address = address->ai_next) {
    const int fd = ConnectTo(*address, connectDeadline);
    if (fd >= 0) return std::unique_ptr<TcpConnection>(new TcpConnection(fd, limits, deadline));
  }
  return nullptr;
}

TcpConnection::TcpConnection(int socket, const ExchangeLimits& limits, Clock::time_point deadline)
    : socket_(socket), limits_(limits), deadline_(deadline), answer_(limits.maxAnswerBytes) {}

TcpConnection::~TcpConnection() { close(socket_); }

bool TcpConnection::WaitFor(short events, int idleMs) {
  for (;;) {
    const int wait = std::min(idleMs, MsLeft(deadline_));
    pollfd ready{socket_, events, 0};
    const int result = wait > 0 ? poll(&ready, 1, wait) : 0;
    if (result > 0) return true;
    if (result < 0 && errno == EINTR) continue;
    failed_ = true;
    return false;
  }
}

bool TcpConnection::Send(std::string_view data) {
  while (!data.empty() && !failed_) {
    if (!WaitFor(POLLOUT, limits_.readMs)) break;
    const ssize_t sent = send(socket_, data.data(), data.size(), MSG_NOSIGNAL);
    if (sent >= 0) {
      data.remove_prefix(static_cast<std::size_t>(sent));
    } else if (errno != EINTR && errno != EAGAIN) {
      failed_ = true;
    }
  }
  return data.empty();
}

void TcpConnection::Receive() {
  if (!WaitFor(POLLIN, limits_.readMs)) return;
  char chunk[4096];
  const ssize_t count = recv(socket_, chunk, sizeof chunk, 0);
  if (count == 0) {
    answer_.End();
  } else if (count < 0) {
    failed_ = errno != EINTR && errno != EAGAIN;
  } else {
    failed_ = !answer_.Append({chunk, static_cast<std::size_t>(count)});
  }
}

bool TcpConnection::ReadLine(std::string& line) {
  while (!failed_) {
    if (answer_.ReadLine(line)) return true;
    if (answer_.Ended()) return false;
    Receive();
  }
  return false;
}

}  // namespace tolvex
