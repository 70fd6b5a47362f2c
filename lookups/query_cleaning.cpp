#include "lookups/query_cleaning.h"

namespace tzl {

Text ReplaceStrayPunctuation(const Text& query) {
  static const char* const kStrayPunctuation[] = {"。", "，", "/", ",", ";", "'", "；"};
  Text text = query;
  for (const char* entry : kStrayPunctuation) text = ReplaceAll(text, entry, ".");
  return text;
}

Text CompleteDomain(const Text& query) {
  return ContainsText(query, ".") ? query : query + ".com";
}

Text RemoveSpaces(const Text& query) {
  return RemoveAll(RemoveAll(query, " "), "　");
}

Text CleanQuery(const Text& query) {
  return RemoveSpaces(CompleteDomain(ReplaceStrayPunctuation(query)));
}

}  // namespace tzl
