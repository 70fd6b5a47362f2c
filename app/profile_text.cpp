#include "app/profile_text.h"

#include <vector>

namespace tzl::app {

namespace {

struct Line {
  std::string content;  // without its line break
  std::string ending;   // "\r\n", "\n" or "" for a last line without one
};

std::vector<Line> SplitLines(const std::string& bytes) {
  std::vector<Line> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t newline = bytes.find('\n', start);
    if (newline == std::string::npos) {
      lines.push_back({bytes.substr(start), ""});
      break;
    }
    size_t end = newline;
    std::string ending = "\n";
    if (end > start && bytes[end - 1] == '\r') {
      --end;
      ending = "\r\n";
    }
    lines.push_back({bytes.substr(start, end - start), ending});
    start = newline + 1;
  }
  return lines;
}

std::string Trim(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 0x80 || y >= 0x80) {
      // Both bytes of a double-byte character compare exactly.
      if (x != y) return false;
      if (i + 1 < a.size()) {
        ++i;
        if (a[i] != b[i]) return false;
      }
      continue;
    }
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// The section name when the line is a section header.
bool SectionHeader(const std::string& content, std::string* name) {
  std::string trimmed = Trim(content);
  if (trimmed.size() < 2 || trimmed.front() != '[') return false;
  size_t close = trimmed.find(']');
  if (close == std::string::npos) return false;
  *name = Trim(trimmed.substr(1, close - 1));
  return true;
}

bool KeyLine(const std::string& content, const std::string& key) {
  size_t equals = content.find('=');
  if (equals == std::string::npos) return false;
  return SameName(Trim(content.substr(0, equals)), Trim(key));
}

std::string Join(const std::vector<Line>& lines) {
  std::string bytes;
  for (const Line& line : lines) bytes += line.content + line.ending;
  return bytes;
}

}  // namespace

std::string SetProfileKey(const std::string& fileBytes, const Text& section, const Text& key, const Text& value) {
  std::vector<Line> lines = SplitLines(fileBytes);
  std::string keyLine = Trim(key) + "=" + value;
  std::string wantedSection = Trim(section);

  size_t index = 0;
  bool inSection = false;
  size_t lastContentInSection = 0;
  bool sectionFound = false;
  for (; index < lines.size(); ++index) {
    std::string name;
    if (SectionHeader(lines[index].content, &name)) {
      if (inSection) break;  // the wanted section ended without the key
      if (SameName(name, wantedSection)) {
        inSection = sectionFound = true;
        lastContentInSection = index;
      }
      continue;
    }
    if (!inSection) continue;
    if (KeyLine(lines[index].content, key)) {
      lines[index].content = keyLine;
      return Join(lines);
    }
    if (!Trim(lines[index].content).empty()) lastContentInSection = index;
  }

  if (sectionFound) {
    // A new key goes right after the section's last line that holds something.
    Line& before = lines[lastContentInSection];
    if (before.ending.empty()) before.ending = "\r\n";
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastContentInSection) + 1, Line{keyLine, "\r\n"});
    return Join(lines);
  }
  if (!lines.empty() && lines.back().ending.empty()) lines.back().ending = "\r\n";
  if (!lines.empty()) lines.push_back({"", "\r\n"});
  lines.push_back({"[" + wantedSection + "]", "\r\n"});
  lines.push_back({keyLine, "\r\n"});
  return Join(lines);
}

}  // namespace tzl::app
