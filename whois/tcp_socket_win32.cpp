#include <winsock2.h>
#include <ws2tcpip.h>

#include <chrono>
#include <mutex>

#include "whois/tcp_socket.h"

namespace tzl::net {

namespace {

void StartWinsockOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  });
}

SOCKET AsSocket(intptr_t handle) { return static_cast<SOCKET>(handle); }

timeval Remaining(int64_t deadline) {
  int64_t left = deadline - NowMilliseconds();
  if (left < 0) left = 0;
  if (left > 1000000) left = 1000000;
  timeval value;
  value.tv_sec = static_cast<long>(left / 1000);
  value.tv_usec = static_cast<long>((left % 1000) * 1000);
  return value;
}

enum class Wait { Read, Write, Connect };

// 1 ready, 0 timed out, -1 failed.
int SelectOne(SOCKET socket, bool forWriting, int64_t deadline) {
  // One socket in one set only: a socket listed in two sets of one select
  // can trip an assertion in Wine's server (sock.c, complete_async_poll),
  // which then leaves every process of the prefix waiting for ever. A
  // closed or failed socket is readable, so a read wait needs no error set.
  fd_set sockets;
  FD_ZERO(&sockets);
  FD_SET(socket, &sockets);
  timeval timeout = Remaining(deadline);
  int rc = forWriting ? select(0, nullptr, &sockets, nullptr, &timeout) : select(0, &sockets, nullptr, nullptr, &timeout);
  return rc > 0 ? 1 : rc;
}

int PendingConnectError(SOCKET socket) {
  int error = 0;
  int length = sizeof error;
  if (getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0) return -1;
  return error;
}

// 1 ready, 0 timed out, -1 failed (for a connect: refused).
int WaitFor(SOCKET socket, Wait what, int64_t deadline) {
  if (what != Wait::Connect) return SelectOne(socket, what == Wait::Write, deadline);
  // A refused connect shows only in the error set; instead of a second set,
  // look at the socket's pending error between short waits for writability.
  constexpr int64_t kSliceMs = 50;
  for (;;) {
    const int64_t now = NowMilliseconds();
    const int64_t sliceEnd = deadline - now > kSliceMs ? now + kSliceMs : deadline;
    const int ready = SelectOne(socket, true, sliceEnd);
    if (ready < 0) return -1;
    if (PendingConnectError(socket) != 0) return -1;
    if (ready == 1) return 1;
    if (NowMilliseconds() >= deadline) return 0;
  }
}

bool SetNonBlocking(SOCKET socket) {
  u_long on = 1;
  return ioctlsocket(socket, FIONBIO, &on) == 0;
}

SOCKET NewSocket(int family) {
  SOCKET s = socket(family, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return s;
  // The gateway runs inside the desktop program: child processes it may
  // start must not inherit its sockets.
  SetHandleInformation(reinterpret_cast<HANDLE>(s), HANDLE_FLAG_INHERIT, 0);
  if (!SetNonBlocking(s)) {
    closesocket(s);
    return INVALID_SOCKET;
  }
  return s;
}

SOCKET ConnectOne(const addrinfo& address, int64_t deadline) {
  SOCKET s = NewSocket(address.ai_family);
  if (s == INVALID_SOCKET) return s;
  if (connect(s, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0) return s;
  if (WSAGetLastError() == WSAEWOULDBLOCK && WaitFor(s, Wait::Connect, deadline) == 1) {
    int error = 0;
    int length = sizeof error;
    if (getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) == 0 && error == 0) {
      return s;
    }
  }
  closesocket(s);
  return INVALID_SOCKET;
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
  if (handle_ != kInvalid) closesocket(AsSocket(handle_));
  handle_ = kInvalid;
}

void TcpConnection::ShutdownWrite() {
  if (handle_ != kInvalid) shutdown(AsSocket(handle_), SD_SEND);
}

IoResult TcpConnection::Read(char* buffer, size_t capacity, int64_t deadline, size_t* received) {
  *received = 0;
  if (handle_ == kInvalid || capacity == 0) return IoResult::Failed;
  SOCKET s = AsSocket(handle_);
  int chunk = capacity > 65536 ? 65536 : static_cast<int>(capacity);
  for (;;) {
    int n = recv(s, buffer, chunk, 0);
    if (n > 0) {
      *received = static_cast<size_t>(n);
      return IoResult::Ok;
    }
    if (n == 0) return IoResult::Closed;
    int error = WSAGetLastError();
    // Some servers end with a reset instead of a close; both end the answer.
    if (error == WSAECONNRESET) return IoResult::Closed;
    if (error != WSAEWOULDBLOCK) return IoResult::Failed;
    int ready = WaitFor(s, Wait::Read, deadline);
    if (ready == 0) return IoResult::TimedOut;
    if (ready < 0) return IoResult::Failed;
  }
}

IoResult TcpConnection::WriteAll(const std::string& data, int64_t deadline) {
  if (handle_ == kInvalid) return IoResult::Failed;
  SOCKET s = AsSocket(handle_);
  size_t sent = 0;
  while (sent < data.size()) {
    size_t left = data.size() - sent;
    int chunk = left > 65536 ? 65536 : static_cast<int>(left);
    int n = send(s, data.data() + sent, chunk, 0);
    if (n > 0) {
      sent += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && WSAGetLastError() != WSAEWOULDBLOCK) return IoResult::Failed;
    int ready = WaitFor(s, Wait::Write, deadline);
    if (ready == 0) return IoResult::TimedOut;
    if (ready < 0) return IoResult::Failed;
  }
  return IoResult::Ok;
}

TcpConnection ConnectTcp(const std::string& host, int port, int64_t deadline) {
  StartWinsockOnce();
  if (host.empty() || port <= 0 || port > 65535) return TcpConnection();
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* addresses = nullptr;
  std::string service = std::to_string(port);
  // Name resolution has no time-out of its own; the connects that follow
  // keep to the deadline.
  if (getaddrinfo(host.c_str(), service.c_str(), &hints, &addresses) != 0) return TcpConnection();
  SOCKET s = INVALID_SOCKET;
  for (addrinfo* at = addresses; at != nullptr && s == INVALID_SOCKET; at = at->ai_next) {
    if (NowMilliseconds() >= deadline) break;
    s = ConnectOne(*at, deadline);
  }
  freeaddrinfo(addresses);
  return s == INVALID_SOCKET ? TcpConnection() : TcpConnection(static_cast<intptr_t>(s));
}

TcpListener::~TcpListener() { Close(); }

void TcpListener::Close() {
  if (handle_ != TcpConnection::kInvalid) closesocket(AsSocket(handle_));
  handle_ = TcpConnection::kInvalid;
  port_ = 0;
}

ListenResult TcpListener::Listen(const std::string& ipv4Address, int port) {
  StartWinsockOnce();
  Close();
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(port));
  if (port < 0 || port > 65535 || inet_pton(AF_INET, ipv4Address.c_str(), &address.sin_addr) != 1) {
    return ListenResult::Failed;
  }
  SOCKET s = NewSocket(AF_INET);
  if (s == INVALID_SOCKET) return ListenResult::Failed;
  // Without this another program could bind the same port with
  // SO_REUSEADDR and take over the connections meant for the gateway.
  BOOL on = TRUE;
  setsockopt(s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&on), sizeof on);
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 64) != 0) {
    int error = WSAGetLastError();
    closesocket(s);
    return error == WSAEADDRINUSE || error == WSAEACCES ? ListenResult::AddressInUse : ListenResult::Failed;
  }
  int length = sizeof address;
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  handle_ = static_cast<intptr_t>(s);
  port_ = ntohs(address.sin_port);
  return ListenResult::Listening;
}

TcpConnection TcpListener::Accept(int64_t deadline) {
  if (handle_ == TcpConnection::kInvalid) return TcpConnection();
  SOCKET listener = AsSocket(handle_);
  for (;;) {
    SOCKET client = accept(listener, nullptr, nullptr);
    if (client != INVALID_SOCKET) {
      // Accepted sockets inherit the listener's non-blocking mode; set it
      // again so the reads and writes above can rely on it.
      SetNonBlocking(client);
      SetHandleInformation(reinterpret_cast<HANDLE>(client), HANDLE_FLAG_INHERIT, 0);
      return TcpConnection(static_cast<intptr_t>(client));
    }
    int error = WSAGetLastError();
    if (error == WSAECONNRESET) continue;
    if (error != WSAEWOULDBLOCK) return TcpConnection();
    if (WaitFor(listener, Wait::Read, deadline) != 1) return TcpConnection();
  }
}

}  // namespace tzl::net
