#include "web/response_decoding.h"

#include "text/codepage.h"

namespace tzl {

namespace {

constexpr size_t kDeclarationWindowBytes = 1024;

}  // namespace

Text DeclaredCharset(RegexMatcher& matcher, const Text& resultText) {
  Text subject = CutToBytes(resultText, kDeclarationWindowBytes);
  if (!matcher.Create("<meta.+?charset=[^\\w]?([-\\w]+)", subject)) return Text();
  return matcher.SubMatchText(1, 1);
}

Text DecodeDeclaredCharset(RegexMatcher& matcher, const std::string& bodyBytes, const Text& resultText) {
  Text name = DeclaredCharset(matcher, resultText);
  if (name.empty() || name == "gbk" || name == "gb2312") return resultText;
  Text decoded;
  if (!CharsetToAnsi(bodyBytes, name, &decoded)) return resultText;
  // The program's texts end at their first zero byte, decoded or not.
  return TextUpToNul(decoded);
}

}  // namespace tzl
