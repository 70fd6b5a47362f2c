#include <arpa/inet.h>
#include <errno.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

#include "whois/tcp_socket.h"

namespace tzl::net {

namespace {

int RemainingMs(int64_t deadline) {
  int64_t left = deadline - NowMilliseconds();
  if (left <= 0) return 0;
  return left > 1000000 ? 1000000 : static_cast<int>(left);
}

// Waits for `events` on `fd` until the deadline: 1 ready, 0 timed out,
// -1 failed.
int WaitFor(int fd, short events, int64_t deadline) {
  for (;;) {
    pollfd entry{fd, events, 0};
    int rc = poll(&entry, 1, RemainingMs(deadline));
    if (rc > 0) return 1;
    if (rc == 0) return 0;
    if (errno != EINTR) return -1;
  }
}

bool SetNonBlocking(int fd) {
  int flags = fcntl(fd, F_GETFL, 0);
  return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

int NewSocket(int family) {
  int fd = socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (!SetNonBlocking(fd)) {
    close(fd);
    return -1;
  }
  return fd;
}

// One address, non-blocking connect, waited for until the deadline.
int ConnectOne(const addrinfo& address, int64_t deadline) {
  int fd = NewSocket(address.ai_family);
  if (fd < 0) return -1;
  if (connect(fd, address.ai_addr, address.ai_addrlen) == 0) return fd;
  if (errno == EINPROGRESS && WaitFor(fd, POLLOUT, deadline) == 1) {
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) return fd;
  }
  close(fd);
  return -1;
}

}  // namespace

int64_t NowMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TcpConnection::~TcpConnection() { Close(); }

TcpConnection::TcpConnection(TcpConnection&& other) noexcept : handle_(other.handle_) {
  other.handle_ = kInvalid;
}

TcpConnection& TcpConnection::operator=(TcpConnection&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = kInvalid;
  }
  return *this;
}

void TcpConnection::Close() {
  if (handle_ != kInvalid) close(static_cast<int>(handle_));
  handle_ = kInvalid;
}

void TcpConnection::ShutdownWrite() {
  if (handle_ != kInvalid) shutdown(static_cast<int>(handle_), SHUT_WR);
}

IoResult TcpConnection::Read(char* buffer, size_t capacity, int64_t deadline, size_t* received) {
  *received = 0;
  if (handle_ == kInvalid || capacity == 0) return IoResult::Failed;
  int fd = static_cast<int>(handle_);
  for (;;) {
    ssize_t n = recv(fd, buffer, capacity, 0);
    if (n > 0) {
      *received = static_cast<size_t>(n);
      return IoResult::Ok;
    }
    if (n == 0) return IoResult::Closed;
    if (errno == EINTR) continue;
    // Some servers end with a reset instead of a close; both end the answer.
    if (errno == ECONNRESET) return IoResult::Closed;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return IoResult::Failed;
    int ready = WaitFor(fd, POLLIN, deadline);
    if (ready == 0) return IoResult::TimedOut;
    if (ready < 0) return IoResult::Failed;
  }
}

IoResult TcpConnection::WriteAll(const std::string& data, int64_t deadline) {
  if (handle_ == kInvalid) return IoResult::Failed;
  int fd = static_cast<int>(handle_);
  size_t sent = 0;
  while (sent < data.size()) {
    // MSG_NOSIGNAL: a peer that went away must give an error, not SIGPIPE.
    ssize_t n = send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return IoResult::Failed;
    int ready = WaitFor(fd, POLLOUT, deadline);
    if (ready == 0) return IoResult::TimedOut;
    if (ready < 0) return IoResult::Failed;
  }
  return IoResult::Ok;
}

TcpConnection ConnectTcp(const std::string& host, int port, int64_t deadline) {
  if (host.empty() || port <= 0 || port > 65535) return TcpConnection();
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* addresses = nullptr;
  std::string service = std::to_string(port);
  // Name resolution has no time-out of its own; the connects that follow
  // keep to the deadline.
  if (getaddrinfo(host.c_str(), service.c_str(), &hints, &addresses) != 0) return TcpConnection();
  int fd = -1;
  for (addrinfo* at = addresses; at != nullptr && fd < 0; at = at->ai_next) {
    if (NowMilliseconds() >= deadline) break;
    fd = ConnectOne(*at, deadline);
  }
  freeaddrinfo(addresses);
  return fd < 0 ? TcpConnection() : TcpConnection(fd);
}

TcpListener::~TcpListener() { Close(); }

void TcpListener::Close() {
  if (handle_ != TcpConnection::kInvalid) close(static_cast<int>(handle_));
  handle_ = TcpConnection::kInvalid;
  port_ = 0;
}

ListenResult TcpListener::Listen(const std::string& ipv4Address, int port) {
  Close();
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  if (port < 0 || port > 65535 || inet_pton(AF_INET, ipv4Address.c_str(), &address.sin_addr) != 1) {
    return ListenResult::Failed;
  }
  int fd = NewSocket(AF_INET);
  if (fd < 0) return ListenResult::Failed;
  // Lets a restarted gateway take its port back while old connections sit
  // in TIME_WAIT; on Linux it never lets two listeners share a port.
  int on = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    ListenResult result = errno == EADDRINUSE ? ListenResult::AddressInUse : ListenResult::Failed;
    close(fd);
    return result;
  }
  if (listen(fd, 64) != 0) {
    ListenResult result = errno == EADDRINUSE ? ListenResult::AddressInUse : ListenResult::Failed;
    close(fd);
    return result;
  }
  socklen_t length = sizeof address;
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  handle_ = fd;
  port_ = ntohs(address.sin_port);
  return ListenResult::Listening;
}

TcpConnection TcpListener::Accept(int64_t deadline) {
  if (handle_ == TcpConnection::kInvalid) return TcpConnection();
  int fd = static_cast<int>(handle_);
  for (;;) {
    int client = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (client >= 0) return TcpConnection(client);
    if (errno == EINTR || errno == ECONNABORTED) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return TcpConnection();
    if (WaitFor(fd, POLLIN, deadline) != 1) return TcpConnection();
  }
}

}  // namespace tzl::net
