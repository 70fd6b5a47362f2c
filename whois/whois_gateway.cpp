#include "whois/whois_gateway.h"

#include <chrono>
#include <cstdio>
#include <system_error>

#include "whois/http_request.h"
#include "whois/http_response.h"
#include "whois/listen_address.h"

namespace tzl {

namespace {

// How often the accept loop looks at the stop flag.
constexpr int kAcceptPollMs = 200;
constexpr int kWriteTimeoutMs = 10000;
// After the answer, what the client still sends (a body the gateway does
// not read) is drained this long, so that closing does not reset the
// connection before the client has read the answer.
constexpr int kDrainMs = 500;
// How often a program whose gateway address was taken tries it again.
constexpr int kTakeOverRetryMs = 3000;

std::string ErrorResponse(int status, const std::string& extraHeaders = std::string()) {
  return HttpResponse(status, "text/plain", extraHeaders, "");
}

}  // namespace

WhoisGateway::WhoisGateway(const WhoisGatewayOptions& options)
    : options_(options), records_(options.ianaServer, options.whois) {}

WhoisGateway::~WhoisGateway() { Stop(); }

net::ListenResult WhoisGateway::Listen(const std::string& listenAddress) {
  ListenAddress address;
  if (!ParseListenAddress(listenAddress, &address)) return net::ListenResult::Failed;
  return listener_.Listen(address.ipv4, address.port);
}

void WhoisGateway::Start() {
  if (!listener_.IsOpen() || acceptThread_.joinable()) return;
  stopping_ = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    serving_ = true;
  }
  try {
    acceptThread_ = std::thread([this] { AcceptLoop(); });
  } catch (const std::system_error&) {
    std::lock_guard<std::mutex> lock(mutex_);
    serving_ = false;
  }
}

void WhoisGateway::Serve() {
  if (!listener_.IsOpen()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (serving_) return;
    serving_ = true;
  }
  AcceptLoop();
}

void WhoisGateway::Stop() {
  stopping_ = true;
  if (acceptThread_.joinable()) acceptThread_.join();
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return !serving_ && answering_ == 0; });
  listener_.Close();
}

void WhoisGateway::AcceptLoop() {
  while (!stopping_) {
    {
      std::unique_lock<std::mutex> lock(mutex_);
      if (!changed_.wait_for(lock, std::chrono::milliseconds(kAcceptPollMs),
                             [this] { return answering_ < options_.maxConnections || stopping_; })) {
        continue;
      }
    }
    if (stopping_) break;
    net::TcpConnection connection = listener_.Accept(net::NowMilliseconds() + kAcceptPollMs);
    if (!connection.IsOpen()) continue;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      ++answering_;
    }
    try {
      std::thread([this, client = std::move(connection)]() mutable {
        Answer(std::move(client));
        std::lock_guard<std::mutex> lock(mutex_);
        --answering_;
        changed_.notify_all();
      }).detach();
    } catch (const std::system_error&) {
      // No thread to answer on: the connection closes unanswered.
      std::lock_guard<std::mutex> lock(mutex_);
      --answering_;
    }
  }
  std::lock_guard<std::mutex> lock(mutex_);
  serving_ = false;
  changed_.notify_all();
}

void WhoisGateway::Answer(net::TcpConnection connection) {
  const int64_t headDeadline = net::NowMilliseconds() + options_.requestTimeoutMs;
  std::string received;
  std::string response;
  char buffer[4096];
  for (;;) {
    size_t headLength = 0;
    HeadState state = FindHeadEnd(received, &headLength);
    if (state == HeadState::TooLarge) {
      response = ErrorResponse(431);
      break;
    }
    if (state == HeadState::Complete) {
      GatewayRequest request = ParseGatewayRequest(received.substr(0, headLength));
      switch (request.kind) {
        case RequestKind::BadRequest: response = ErrorResponse(400); break;
        case RequestKind::NotFound: response = ErrorResponse(404); break;
        case RequestKind::MethodNotAllowed: response = ErrorResponse(405, "Allow: GET, HEAD\r\n"); break;
        case RequestKind::Record: {
          RecordAnswer answer = records_.Lookup(request.domain);
          response = HttpResponse(200, "text/plain; charset=GBK",
                                  std::string("X-Whois-Status: ") + StatusWord(answer.status) + "\r\n",
                                  answer.record, request.headOnly);
          break;
        }
      }
      break;
    }
    size_t count = 0;
    net::IoResult result = connection.Read(buffer, sizeof buffer, headDeadline, &count);
    if (result == net::IoResult::TimedOut) {
      response = ErrorResponse(408);
      break;
    }
    if (result != net::IoResult::Ok) return;  // the client went away
    received.append(buffer, count);
  }

  if (connection.WriteAll(response, net::NowMilliseconds() + kWriteTimeoutMs) != net::IoResult::Ok) return;
  connection.ShutdownWrite();
  const int64_t drainDeadline = net::NowMilliseconds() + kDrainMs;
  size_t count = 0;
  while (connection.Read(buffer, sizeof buffer, drainDeadline, &count) == net::IoResult::Ok) {
  }
}

namespace {

std::mutex startMutex;
// Lives as long as the process: jobs may still be asking it while the
// program exits, so it is never destroyed.
WhoisGateway* running = nullptr;
bool watching = false;

// With startMutex held.
net::ListenResult StartInProcess(const std::string& listenAddress) {
  auto* gateway = new WhoisGateway();
  net::ListenResult result = gateway->Listen(listenAddress);
  if (result != net::ListenResult::Listening) {
    delete gateway;
    return result;
  }
  gateway->Start();
  running = gateway;
  return result;
}

}  // namespace

bool StartWhoisGateway(const std::string& listenAddress) {
  std::lock_guard<std::mutex> lock(startMutex);
  if (running != nullptr) return true;
  ListenAddress address;
  // The in-process gateway is for this machine only.
  if (!ParseListenAddress(listenAddress, &address) || address.ipv4.compare(0, 4, "127.") != 0) return false;
  net::ListenResult result = StartInProcess(listenAddress);
  if (result != net::ListenResult::AddressInUse || watching) return result == net::ListenResult::Listening;
  // Another program serves the address now. When it ends, this one takes
  // over, so the programs still running keep their records.
  watching = true;
  try {
    std::thread([listenAddress] {
      for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kTakeOverRetryMs));
        std::lock_guard<std::mutex> retryLock(startMutex);
        if (running != nullptr || StartInProcess(listenAddress) != net::ListenResult::AddressInUse) return;
      }
    }).detach();
  } catch (const std::system_error&) {
    watching = false;
  }
  return false;
}

int RunWhoisGateway(const std::string& listenAddress, const std::function<void(const std::string&)>& say) {
  auto tell = [&say](const std::string& line) {
    if (say) {
      say(line);
    } else {
      std::fprintf(stderr, "%s\n", line.c_str());
    }
  };
  WhoisGateway gateway;
  ListenAddress address;
  ParseListenAddress(listenAddress, &address);
  switch (gateway.Listen(listenAddress)) {
    case net::ListenResult::Listening: break;
    case net::ListenResult::AddressInUse:
      tell("tzl: " + listenAddress + " is already in use");
      return 1;
    case net::ListenResult::Failed:
      tell("tzl: cannot listen on " + listenAddress);
      return 1;
  }
  tell("tzl: whois gateway listening on " + address.ipv4 + ":" + std::to_string(gateway.Port()));
  gateway.Serve();
  return 0;
}

}  // namespace tzl
