// The fixture web services as the tests see them: the ports the server
// chose, routing of this process's connections to it, the requests it
// recorded, and its global answer delay.
//
// Two test programs may use one server at the same time and the log is
// never reset: tests ask for unique addresses and filter the recording.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tzl::test {

struct RecordedRequest {
  std::string scheme, host, method, target, requestLine;
  std::vector<std::pair<std::string, std::string>> headers;  // in order, names as sent
  std::string body;
};

class FixtureServices {
 public:
  // Reads the state file named by TZL_FIXTURE_STATE; a missing or
  // unreadable file fails the calling test with the reason.
  static FixtureServices& Instance();

  int HttpPort() const { return httpPort_; }
  int HttpsPort() const { return httpsPort_; }

  // ":80:127.0.0.1:<http>,:443:127.0.0.1:<https>", after the routes added
  // with AddRoute.
  std::string ConnectToValue() const;
  // Sets TZL_CONNECT_TO in this process to ConnectToValue().
  void RouteAllHosts();
  // Sends connections for hostPort ("127.0.0.1:4343", "example.com:8080")
  // to the HTTP or the HTTPS fixture server as well.
  void AddRoute(const std::string& hostPort, bool https);

  // The requests recorded since this program first asked for the services:
  // the server's log outlives each test program, and other programs ask
  // for the same fixture names.
  std::vector<RecordedRequest> Requests();
  std::vector<RecordedRequest> RequestsFor(const std::string& targetSubstring);
  // An extra delay before every answer, for all clients of the server.
  void SetDelay(int milliseconds);

 private:
  FixtureServices();
  std::vector<RecordedRequest> AllRequests();
  int httpPort_ = 0;
  size_t requestsBefore_ = 0;
  int httpsPort_ = 0;
  std::vector<std::string> routes_;
};

// The header value of the first header named `name` (ASCII case ignored),
// or the empty text.
std::string HeaderValue(const RecordedRequest& request, const std::string& name);

}  // namespace tzl::test
