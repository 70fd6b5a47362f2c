// Placeholder until the PCRE2 engine lands.
#include "text/regex_matcher.h"
namespace tzl {
struct RegexMatcher::Engine {};
RegexMatcher::RegexMatcher() = default;
RegexMatcher::~RegexMatcher() = default;
bool RegexMatcher::Create(const Text&, const Text&, bool, bool, bool, bool) { return false; }
Text RegexMatcher::Pattern() const { return Text(); }
Text RegexMatcher::Replace(const Text&) const { return Text(); }
int RegexMatcher::MatchCount() const { return 0; }
Text RegexMatcher::MatchText(int) const { return Text(); }
Text RegexMatcher::SubMatchText(int, int) const { return Text(); }
int RegexMatcher::SubMatchCount() const { return 0; }
}  // namespace tzl
