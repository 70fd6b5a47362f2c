#include "whois/listen_address.h"

namespace tzl {

namespace {

bool IsIpv4(const std::string& text) {
  int parts = 0;
  size_t start = 0;
  for (;;) {
    size_t dot = text.find('.', start);
    std::string part = text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != std::string::npos) return false;
    if (std::stoi(part) > 255) return false;
    ++parts;
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  return parts == 4;
}

}  // namespace

bool ParseListenAddress(const std::string& text, ListenAddress* address) {
  size_t colon = text.rfind(':');
  if (colon == std::string::npos) return false;
  std::string host = text.substr(0, colon);
  std::string port = text.substr(colon + 1);
  if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos) return false;
  int number = std::stoi(port);
  if (number > 65535) return false;
  if (host == "localhost") host = "127.0.0.1";
  if (!IsIpv4(host)) return false;
  address->ipv4 = host;
  address->port = number;
  return true;
}

}  // namespace tzl
