#include "web/redirect_target.h"

namespace tzl {

namespace {

bool StartsCaseless(const Text& text, const char* prefix) {
  for (size_t i = 0; prefix[i] != '\0'; ++i) {
    if (i >= text.size()) return false;
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

Text RedirectTarget(const UrlParts& from, const Text& location) {
  if (StartsCaseless(location, "http://") || StartsCaseless(location, "https://")) return location;
  Text scheme = from.secure ? "https:" : "http:";
  if (StartsWith(location, "//")) return scheme + location;
  Text origin = scheme + "//" + HostHeaderValue(from);
  if (StartsWith(location, "/")) return origin + location;
  Text directory = from.requestPath.substr(0, from.requestPath.find_first_of("?#"));
  directory = directory.substr(0, directory.rfind('/') + 1);
  if (StartsWith(location, "?")) return origin + from.requestPath.substr(0, from.requestPath.find_first_of("?#")) + location;
  return origin + directory + location;
}

}  // namespace tzl
