// RegexMatcher over PCRE2, giving the results of the scripting class
// "VBScript.RegExp": the pattern is rewritten from that dialect
// (vbscript_pattern.h) and run over the UTF-8 form of the code-page-936
// subject, so matching counts characters; every result is turned back into
// code-page-936 text.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <string>
#include <vector>

#include "text/codepage.h"
#include "text/regex_matcher.h"
#include "text/vbscript_pattern.h"

namespace tzl {

namespace {

// A pattern that backtracks without end over a page (nested quantifiers, or
// several lazy gaps with no closing row) must give up rather than hold the
// lookup for ever. One search for one match may take this many steps of the
// matcher (about a second at worst); the trade rows of a real history page
// need a few thousand each.
const uint32_t kMatchLimit = 20 * 1000 * 1000;
const uint32_t kDepthLimit = 1000 * 1000;

const std::string kQuote = "#引号";

size_t Utf8CharLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

struct RegexMatcher::Engine {
  bool hasObject = false;  // a Create has run (Pattern answers from then on)
  bool hasMatchList = false;
  Text pattern;  // as prepared, "#引号" already replaced
  Text subject;
  std::string utf8Subject;
  int groups = 0;
  // For each match, (groups + 1) pairs of byte offsets into utf8Subject;
  // PCRE2_UNSET for a group that did not take part.
  std::vector<PCRE2_SIZE> offsets;

  void Clear() {
    hasMatchList = false;
    groups = 0;
    offsets.clear();
    utf8Subject.clear();
  }

  int Count() const {
    return hasMatchList ? static_cast<int>(offsets.size() / (2 * (groups + 1))) : 0;
  }

  // Offsets of group `group` (0 = the whole match) of match `match` (from 0).
  const PCRE2_SIZE* Span(int match, int group) const {
    return &offsets[(static_cast<size_t>(match) * (groups + 1) + group) * 2];
  }

  Text SpanText(int match, int group) const {
    const PCRE2_SIZE* span = Span(match, group);
    if (span[0] == PCRE2_UNSET || span[1] < span[0]) return Text();
    return Utf8ToAnsi(utf8Subject.substr(span[0], span[1] - span[0]));
  }

  bool Run(const std::string& utf8Pattern, bool caseSensitive, bool multiLine, bool global);
  void AppendExpansion(const std::string& replacement, int match, std::string* out) const;
};

bool RegexMatcher::Engine::Run(const std::string& utf8Pattern, bool caseSensitive,
                               bool multiLine, bool global) {
  uint32_t options = PCRE2_UTF | PCRE2_ALT_BSUX | PCRE2_DOLLAR_ENDONLY |
                     PCRE2_MATCH_UNSET_BACKREF;
  if (!caseSensitive) options |= PCRE2_CASELESS;
  if (multiLine) options |= PCRE2_MULTILINE;

  pcre2_compile_context* compileContext = pcre2_compile_context_create(nullptr);
  if (compileContext == nullptr) return false;
  // A dot stops at a line feed and only there; "^" and "$" at a carriage
  // return are added by the pattern rewrite.
  pcre2_set_newline(compileContext, PCRE2_NEWLINE_LF);
  int errorCode = 0;
  PCRE2_SIZE errorOffset = 0;
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(utf8Pattern.data()),
                                   utf8Pattern.size(), options, &errorCode, &errorOffset,
                                   compileContext);
  pcre2_compile_context_free(compileContext);
  if (code == nullptr) return false;

  pcre2_match_context* matchContext = pcre2_match_context_create(nullptr);
  pcre2_match_data* matchData = pcre2_match_data_create_from_pattern(code, nullptr);
  uint32_t captureCount = 0;
  pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &captureCount);
  bool ok = matchContext != nullptr && matchData != nullptr;
  if (ok) {
    pcre2_set_match_limit(matchContext, kMatchLimit);
    pcre2_set_depth_limit(matchContext, kDepthLimit);
    groups = static_cast<int>(captureCount);
    const PCRE2_SPTR text = reinterpret_cast<PCRE2_SPTR>(utf8Subject.data());
    const PCRE2_SIZE length = utf8Subject.size();
    const size_t pairs = static_cast<size_t>(groups) + 1;
    uint32_t matchOptions = 0;
    PCRE2_SIZE start = 0;
    while (start <= length) {
      int rc = pcre2_match(code, text, length, start, matchOptions, matchData, matchContext);
      if (rc == PCRE2_ERROR_NOMATCH) break;
      if (rc < 0) {
        // The match limit, an invalid subject or no memory: the execution
        // did not finish, so there is no match list, as when the scripting
        // engine fails.
        ok = false;
        break;
      }
      // The subject was checked once; checking it again from every start
      // would make a page of many matches quadratic.
      matchOptions = PCRE2_NO_UTF_CHECK;
      const PCRE2_SIZE* vector = pcre2_get_ovector_pointer(matchData);
      const uint32_t filled = static_cast<uint32_t>(rc);
      for (size_t k = 0; k < pairs; ++k) {
        bool set = k < filled;
        offsets.push_back(set ? vector[2 * k] : PCRE2_UNSET);
        offsets.push_back(set ? vector[2 * k + 1] : PCRE2_UNSET);
      }
      if (!global) break;
      PCRE2_SIZE end = vector[1];
      if (end > vector[0]) {
        start = end;
      } else if (end >= length) {
        break;
      } else {
        // An empty match: the next search starts one character on, as in
        // the scripting class.
        start = end + Utf8CharLength(static_cast<unsigned char>(utf8Subject[end]));
      }
    }
  }
  pcre2_match_data_free(matchData);
  pcre2_match_context_free(matchContext);
  pcre2_code_free(code);
  return ok;
}

// The replacement syntax of the scripting class: $1..$99 (two digits when
// that group exists, else one), $& the match, $` before it, $' after it,
// $$ a dollar sign; any other "$" stands for itself.
void RegexMatcher::Engine::AppendExpansion(const std::string& r, int match,
                                           std::string* out) const {
  const PCRE2_SIZE* whole = Span(match, 0);
  auto appendSpan = [&](const PCRE2_SIZE* span) {
    if (span[0] != PCRE2_UNSET && span[1] >= span[0])
      out->append(utf8Subject, span[0], span[1] - span[0]);
  };
  for (size_t i = 0; i < r.size(); ++i) {
    char c = r[i];
    if (c != '$' || i + 1 >= r.size()) {
      *out += c;
      continue;
    }
    char n = r[i + 1];
    if (n == '$') {
      *out += '$';
      ++i;
    } else if (n == '&') {
      appendSpan(whole);
      ++i;
    } else if (n == '`') {
      out->append(utf8Subject, 0, whole[0]);
      ++i;
    } else if (n == '\'') {
      out->append(utf8Subject, whole[1], std::string::npos);
      ++i;
    } else if (n >= '0' && n <= '9') {
      int one = n - '0';
      bool hasSecond = i + 2 < r.size() && r[i + 2] >= '0' && r[i + 2] <= '9';
      int two = hasSecond ? one * 10 + (r[i + 2] - '0') : 0;
      if (hasSecond && two >= 1 && two <= groups) {
        appendSpan(Span(match, two));
        i += 2;
      } else if (one >= 1 && one <= groups) {
        appendSpan(Span(match, one));
        ++i;
      } else {
        *out += c;
      }
    } else {
      *out += c;
    }
  }
}

RegexMatcher::RegexMatcher() : engine_(new Engine) {}

RegexMatcher::~RegexMatcher() = default;

bool RegexMatcher::Create(const Text& pattern, const Text& subject, bool caseSensitive,
                          bool multiLine, bool global, bool quoteMarks) {
  Engine& e = *engine_;
  e.Clear();
  e.hasObject = true;
  e.pattern = quoteMarks ? ReplaceAll(pattern, kQuote, "\"") : pattern;
  e.subject = subject;
  std::string translated;
  if (!TranslateVbscriptPattern(AnsiToUtf8(e.pattern), multiLine, &translated)) return false;
  e.utf8Subject = AnsiToUtf8(subject);
  if (!e.Run(translated, caseSensitive, multiLine, global)) {
    e.Clear();
    return false;
  }
  e.hasMatchList = true;
  return true;
}

Text RegexMatcher::Pattern() const { return engine_->hasObject ? engine_->pattern : Text(); }

Text RegexMatcher::Replace(const Text& replacement) const {
  const Engine& e = *engine_;
  if (!e.hasMatchList) return Text();
  const std::string r = AnsiToUtf8(replacement);
  std::string out;
  PCRE2_SIZE copied = 0;
  for (int m = 0; m < e.Count(); ++m) {
    const PCRE2_SIZE* whole = e.Span(m, 0);
    out.append(e.utf8Subject, copied, whole[0] - copied);
    e.AppendExpansion(r, m, &out);
    copied = whole[1];
  }
  out.append(e.utf8Subject, copied, std::string::npos);
  return Utf8ToAnsi(out);
}

int RegexMatcher::MatchCount() const { return engine_->Count(); }

Text RegexMatcher::MatchText(int matchIndex) const {
  if (matchIndex < 1 || matchIndex > engine_->Count()) return Text();
  return engine_->SpanText(matchIndex - 1, 0);
}

Text RegexMatcher::SubMatchText(int matchIndex, int groupIndex) const {
  if (matchIndex < 1 || matchIndex > engine_->Count()) return Text();
  if (groupIndex < 1 || groupIndex > engine_->groups) return Text();
  return engine_->SpanText(matchIndex - 1, groupIndex);
}

int RegexMatcher::SubMatchCount() const { return engine_->Count() > 0 ? engine_->groups : 0; }

}  // namespace tzl
