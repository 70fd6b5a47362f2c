#include <winsock2.h>
#include <windows.h>

#include "tests/support/fixture_http_client.h"
#include "tests/support/fixture_http_answer.h"

namespace tzl::test {

namespace {

struct WinsockSession {
  WinsockSession() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
};

}  // namespace

bool FixtureHttpGet(int port, const std::string& target, std::string* body) {
  static WinsockSession winsock;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return false;
  DWORD timeout = 10000;
  setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
  setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  std::string answer;
  if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
    std::string request = FixtureHttpRequestText(target);
    if (send(s, request.data(), static_cast<int>(request.size()), 0) == static_cast<int>(request.size())) {
      char buffer[16384];
      for (;;) {
        int got = recv(s, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        answer.append(buffer, static_cast<size_t>(got));
      }
    }
  }
  closesocket(s);
  return FixtureHttpAnswerBody(answer, body);
}

int ClosedLoopbackPort() {
  static WinsockSession winsock;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int length = sizeof address;
  int port = 0;
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  closesocket(s);
  return port;
}

}  // namespace tzl::test
