// The registration-record gateway: an HTTP/1.1 service answering
// "GET /?domain=NAME" with the registry's WHOIS record of NAME as plain
// code-page-936 text. Every answer to such a request is 200; a name that
// is invalid, or whose record could not be had, gets an empty body. The
// header "X-Whois-Status" says which case it was (see RecordStatus).
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "whois/record_service.h"
#include "whois/tcp_socket.h"
#include "whois/whois_exchange.h"

namespace tzl {

// Where the desktop program's gateway listens, and where its record lookup
// asks.
constexpr const char* kDefaultGatewayAddress = "127.0.0.1:4343";

struct WhoisGatewayOptions {
  std::string ianaServer = "whois.iana.org";
  WhoisLimits whois;             // per port-43 exchange: time-out and record cap
  int requestTimeoutMs = 10000;  // for a client to send its request head
  int maxConnections = 64;       // answered at once; more wait to be accepted
};

class WhoisGateway {
 public:
  explicit WhoisGateway(const WhoisGatewayOptions& options = WhoisGatewayOptions());
  ~WhoisGateway();  // Stop()
  WhoisGateway(const WhoisGateway&) = delete;
  WhoisGateway& operator=(const WhoisGateway&) = delete;

  // Takes the listen address ("ADDR:PORT", numeric IPv4 or localhost;
  // port 0 picks one). Failed for an address that does not parse.
  net::ListenResult Listen(const std::string& listenAddress);
  int Port() const { return listener_.Port(); }

  // Answers requests on a thread of its own until Stop.
  void Start();
  // Answers requests on the calling thread until Stop (from another one).
  void Serve();
  // Stops taking connections and waits for the answers under way.
  void Stop();

 private:
  void AcceptLoop();
  void Answer(net::TcpConnection connection);

  const WhoisGatewayOptions options_;
  RecordService records_;
  net::TcpListener listener_;
  std::thread acceptThread_;
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::condition_variable changed_;
  int answering_ = 0;
  bool serving_ = false;  // an accept loop runs
};

// For the desktop program at start-up: serves `listenAddress` from a
// background thread for the rest of the process's life. When the address
// is already taken (another instance of the program serves it, and that
// gateway answers for both) nothing is started now; a background thread
// tries the address again every few seconds and takes over once the other
// instance has ended. True when this process serves the address now.
// Listens on loopback only: any other address is refused, since this
// gateway is no service for the network.
bool StartWhoisGateway(const std::string& listenAddress = kDefaultGatewayAddress);

// For the command-line tool: serves `listenAddress` (any IPv4 address, for
// a gateway shared by a team) on the calling thread. `say` gets one line
// (without its line break) when it listens, or why it cannot; the default
// writes to standard error. Returns only when it cannot listen, with 1.
int RunWhoisGateway(const std::string& listenAddress,
                    const std::function<void(const std::string&)>& say = std::function<void(const std::string&)>());

}  // namespace tzl
