#include "web/url_parts.h"

namespace tzl {

namespace {

bool EqualsCaseless(const Text& text, size_t at, const char* word) {
  for (size_t i = 0; word[i] != '\0'; ++i) {
    if (at + i >= text.size()) return false;
    char c = text[at + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return true;
}

}  // namespace

bool CrackUrl(const Text& url, UrlParts* parts) {
  size_t afterScheme;
  UrlParts cracked;
  if (EqualsCaseless(url, 0, "https://")) {
    cracked.secure = true;
    afterScheme = 8;
  } else if (EqualsCaseless(url, 0, "http://")) {
    afterScheme = 7;
  } else {
    return false;
  }
  size_t authorityEnd = url.find_first_of("/?#", afterScheme);
  if (authorityEnd == Text::npos) authorityEnd = url.size();
  Text authority = url.substr(afterScheme, authorityEnd - afterScheme);
  size_t at = authority.rfind('@');
  if (at != Text::npos) authority = authority.substr(at + 1);  // user and password are not used
  Text portText;
  if (!authority.empty() && authority[0] == '[') {
    size_t close = authority.find(']');
    if (close == Text::npos) return false;
    cracked.host = authority.substr(1, close - 1);
    Text rest = authority.substr(close + 1);
    if (!rest.empty()) {
      if (rest[0] != ':') return false;
      portText = rest.substr(1);
      cracked.portGiven = true;
    }
  } else {
    size_t colon = authority.find(':');
    cracked.host = authority.substr(0, colon);
    if (colon != Text::npos) {
      portText = authority.substr(colon + 1);
      cracked.portGiven = true;
    }
  }
  if (cracked.host.empty()) return false;
  for (char c : cracked.host) {
    if (static_cast<unsigned char>(c) <= 0x20) return false;
  }
  cracked.port = cracked.secure ? 443 : 80;
  if (cracked.portGiven && !portText.empty()) {
    if (portText.size() > 5) return false;
    int port = 0;
    for (char c : portText) {
      if (c < '0' || c > '9') return false;
      port = port * 10 + (c - '0');
    }
    if (port < 1 || port > 65535) return false;
    cracked.port = port;
  }
  Text rest = url.substr(authorityEnd);
  size_t extra = rest.find_first_of("?#");
  Text path = rest.substr(0, extra);
  cracked.requestPath = path.empty() ? Text("/") : rest;
  *parts = cracked;
  return true;
}

Text HostHeaderValue(const UrlParts& parts) {
  Text host = parts.host.find(':') != Text::npos ? "[" + parts.host + "]" : parts.host;
  if (parts.port != (parts.secure ? 443 : 80)) host += ":" + std::to_string(parts.port);
  return host;
}

}  // namespace tzl
