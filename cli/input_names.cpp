#include "cli/input_names.h"

#include "text/codepage.h"
#include "whois/utf8.h"

namespace tzl {

std::vector<Text> NamesFromLines(const std::string& bytes) {
  std::vector<Text> names;
  size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Text name = ValidUtf8Prefix(line) == line.size() ? Utf8ToAnsi(line) : line;
    if (TrimBlanks(name).empty()) continue;
    names.push_back(name);
  }
  return names;
}

}  // namespace tzl
