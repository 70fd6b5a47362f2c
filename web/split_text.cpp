#include "web/split_text.h"

namespace tzl {

std::vector<Text> SplitText(const Text& text, const Text& separator) {
  std::vector<Text> pieces;
  size_t start = 0;
  while (start < text.size()) {
    size_t at = FindText(text, separator, start);
    if (at == kNotFound || separator.empty()) {
      pieces.push_back(text.substr(start));
      break;
    }
    pieces.push_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  return pieces;
}

Text JoinText(const std::vector<Text>& pieces, const Text& separator) {
  Text joined;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) joined += separator;
    joined += pieces[i];
  }
  return joined;
}

}  // namespace tzl
