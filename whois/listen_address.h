// "ADDR:PORT" as the gateway's listen address is written.
#pragma once

#include <string>

namespace tzl {

struct ListenAddress {
  std::string ipv4;  // numeric, e.g. "127.0.0.1"
  int port = 0;      // 0..65535; 0 lets the system pick
};

// ADDR is a numeric IPv4 address or "localhost" (127.0.0.1); PORT is
// decimal. False for anything else.
bool ParseListenAddress(const std::string& text, ListenAddress* address);

}  // namespace tzl
