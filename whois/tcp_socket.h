// A small blocking TCP layer with time-outs on every wait: listen, accept,
// connect, read and write. One platform file implements it (winsock on
// Windows, BSD sockets elsewhere). No call throws; failures are values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tzl::net {

// A point in time on the steady clock, in milliseconds; every wait ends by
// it, so a peer that trickles bytes cannot stretch an exchange.
int64_t NowMilliseconds();

enum class IoResult {
  Ok,
  Closed,    // the peer closed the connection (reads only)
  TimedOut,  // the deadline passed first
  Failed,    // any other error, the connection is unusable
};

// A connected stream socket; movable, closed when destroyed.
class TcpConnection {
 public:
  TcpConnection() = default;
  ~TcpConnection();
  TcpConnection(TcpConnection&& other) noexcept;
  TcpConnection& operator=(TcpConnection&& other) noexcept;
  TcpConnection(const TcpConnection&) = delete;
  TcpConnection& operator=(const TcpConnection&) = delete;

  bool IsOpen() const { return handle_ != kInvalid; }

  // Reads what is there (at least one byte, at most `capacity`) into
  // `buffer`, waiting until `deadline`. `received` holds the count on Ok.
  IoResult Read(char* buffer, size_t capacity, int64_t deadline, size_t* received);
  // Writes all of `data` by `deadline`.
  IoResult WriteAll(const std::string& data, int64_t deadline);
  // Says no more will be written; reading goes on.
  void ShutdownWrite();
  void Close();

 private:
  friend class TcpListener;
  friend TcpConnection ConnectTcp(const std::string&, int, int64_t);
  using Handle = intptr_t;
  static constexpr Handle kInvalid = -1;
  explicit TcpConnection(Handle handle) : handle_(handle) {}
  Handle handle_ = kInvalid;
};

// Connects to host:port (a name is resolved; every address it has is tried
// in turn) by `deadline`. A closed connection when nothing answered.
TcpConnection ConnectTcp(const std::string& host, int port, int64_t deadline);

enum class ListenResult {
  Listening,
  AddressInUse,  // another socket already holds the address
  Failed,        // bad address or any other error
};

class TcpListener {
 public:
  TcpListener() = default;
  ~TcpListener();
  TcpListener(const TcpListener&) = delete;
  TcpListener& operator=(const TcpListener&) = delete;

  // Listens on a numeric IPv4 address; port 0 picks a free port. The
  // address is taken exclusively: a second listener on it is refused.
  ListenResult Listen(const std::string& ipv4Address, int port);
  // The port actually listened on (after Listen with port 0), 0 when closed.
  int Port() const { return port_; }
  bool IsOpen() const { return handle_ != TcpConnection::kInvalid; }

  // Waits until `deadline` for a connection; a closed connection when none
  // came (or the listener failed).
  TcpConnection Accept(int64_t deadline);
  void Close();

 private:
  TcpConnection::Handle handle_ = TcpConnection::kInvalid;
  int port_ = 0;
};

}  // namespace tzl::net
