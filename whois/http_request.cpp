#include "whois/http_request.h"

namespace tzl {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsTokenChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

}  // namespace

HeadState FindHeadEnd(const std::string& received, size_t* headLength) {
  size_t limit = received.size() < kMaxRequestHeadBytes ? received.size() : kMaxRequestHeadBytes;
  for (size_t i = 0; i < limit; ++i) {
    if (received[i] != '\n') continue;
    if (i + 1 < received.size() && received[i + 1] == '\n') {
      *headLength = i + 2;
      return *headLength <= kMaxRequestHeadBytes ? HeadState::Complete : HeadState::TooLarge;
    }
    if (i + 2 < received.size() && received[i + 1] == '\r' && received[i + 2] == '\n') {
      *headLength = i + 3;
      return *headLength <= kMaxRequestHeadBytes ? HeadState::Complete : HeadState::TooLarge;
    }
  }
  return received.size() >= kMaxRequestHeadBytes ? HeadState::TooLarge : HeadState::NeedMore;
}

std::string PercentDecode(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
      out.push_back(static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2])));
      i += 2;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

bool QueryParameter(const std::string& query, const std::string& key, std::string* value) {
  size_t start = 0;
  while (start <= query.size()) {
    size_t end = query.find('&', start);
    if (end == std::string::npos) end = query.size();
    std::string pair = query.substr(start, end - start);
    size_t equals = pair.find('=');
    std::string name = PercentDecode(pair.substr(0, equals));
    if (name == key) {
      *value = equals == std::string::npos ? std::string() : PercentDecode(pair.substr(equals + 1));
      return true;
    }
    start = end + 1;
  }
  return false;
}

GatewayRequest ParseGatewayRequest(const std::string& head) {
  GatewayRequest request;
  size_t lineEnd = head.find('\n');
  std::string line = head.substr(0, lineEnd);
  if (!line.empty() && line.back() == '\r') line.pop_back();

  // METHOD SP TARGET SP HTTP/x.y, nothing else.
  size_t firstSpace = line.find(' ');
  if (firstSpace == std::string::npos || firstSpace == 0) return request;
  size_t secondSpace = line.find(' ', firstSpace + 1);
  if (secondSpace == std::string::npos || secondSpace == firstSpace + 1) return request;
  std::string method = line.substr(0, firstSpace);
  std::string target = line.substr(firstSpace + 1, secondSpace - firstSpace - 1);
  std::string version = line.substr(secondSpace + 1);
  if (version.compare(0, 5, "HTTP/") != 0 || version.size() != 8) return request;
  for (char c : method) {
    if (!IsTokenChar(c)) return request;
  }
  for (char c : target) {
    if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) return request;
  }

  // A proxy-style absolute target names the same resource.
  if (target.compare(0, 7, "http://") == 0) {
    size_t path = target.find_first_of("/?", 7);
    target = path == std::string::npos ? "/" : target.substr(path);
    if (target[0] == '?') target.insert(0, "/");
  }
  size_t question = target.find('?');
  std::string path = target.substr(0, question);
  std::string query = question == std::string::npos ? std::string() : target.substr(question + 1);
  size_t fragment = query.find('#');
  if (fragment != std::string::npos) query.erase(fragment);

  if (method != "GET" && method != "HEAD") {
    request.kind = RequestKind::MethodNotAllowed;
    return request;
  }
  request.headOnly = method == "HEAD";
  if (path != "/") {
    request.kind = RequestKind::NotFound;
    return request;
  }
  request.kind = RequestKind::Record;
  QueryParameter(query, "domain", &request.domain);
  return request;
}

}  // namespace tzl
