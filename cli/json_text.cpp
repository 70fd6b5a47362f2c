#include "cli/json_text.h"

#include "whois/utf8.h"

namespace tzl {

namespace {

const char* const kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

void AppendEscaped(std::string* out, char c) {
  static const char kHex[] = "0123456789abcdef";
  switch (c) {
    case '"': *out += "\\\""; return;
    case '\\': *out += "\\\\"; return;
    case '\n': *out += "\\n"; return;
    case '\r': *out += "\\r"; return;
    case '\t': *out += "\\t"; return;
    case '\b': *out += "\\b"; return;
    case '\f': *out += "\\f"; return;
    default: break;
  }
  unsigned char byte = static_cast<unsigned char>(c);
  if (byte < 0x20 || byte == 0x7F) {
    *out += "\\u00";
    out->push_back(kHex[byte >> 4]);
    out->push_back(kHex[byte & 15]);
    return;
  }
  out->push_back(c);
}

}  // namespace

std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  size_t at = 0;
  while (at < utf8.size()) {
    std::string rest = utf8.substr(at);
    size_t valid = ValidUtf8Prefix(rest);
    for (size_t i = 0; i < valid; ++i) AppendEscaped(&out, rest[i]);
    at += valid;
    if (at < utf8.size()) {
      out += kReplacement;
      ++at;
    }
  }
  return out + "\"";
}

JsonObject& JsonObject::Add(const std::string& key, const std::string& utf8Value) {
  members_.emplace_back(key, JsonString(utf8Value));
  return *this;
}

JsonObject& JsonObject::AddRaw(const std::string& key, const std::string& json) {
  members_.emplace_back(key, json);
  return *this;
}

std::string JsonObject::Text() const {
  std::string out = "{";
  for (size_t i = 0; i < members_.size(); ++i) {
    if (i > 0) out += ",";
    out += JsonString(members_[i].first) + ":" + members_[i].second;
  }
  return out + "}";
}

std::string JsonArray(const std::vector<std::string>& jsonItems) {
  std::string out = "[";
  for (size_t i = 0; i < jsonItems.size(); ++i) out += (i > 0 ? "," : "") + jsonItems[i];
  return out + "]";
}

}  // namespace tzl
