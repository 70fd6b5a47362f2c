// JSON text for the command-line reports.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tzl {

// `utf8` as a JSON string literal: quotes, backslashes and control
// characters escaped, and any byte sequence that is not UTF-8 replaced by
// U+FFFD, so the output is valid UTF-8 and valid JSON whatever a page held.
std::string JsonString(const std::string& utf8);

// Builds one JSON object, members in the order added.
class JsonObject {
 public:
  JsonObject& Add(const std::string& key, const std::string& utf8Value);
  // `json` must already be JSON text (an object, an array, ...).
  JsonObject& AddRaw(const std::string& key, const std::string& json);
  std::string Text() const;

 private:
  std::vector<std::pair<std::string, std::string>> members_;
};

// A JSON array of the given JSON texts.
std::string JsonArray(const std::vector<std::string>& jsonItems);

}  // namespace tzl
