#include "text/charset_names.h"

#include <cctype>

namespace tzl {

namespace {

struct CharsetName {
  const char* name;
  int codePage;
};

// Names as browsers and the ADO stream class understand them.
const CharsetName kCharsets[] = {
    {"utf-8", 65001},        {"utf8", 65001},          {"unicode-1-1-utf-8", 65001},
    {"gbk", 936},            {"gb2312", 936},          {"cp936", 936},
    {"x-gbk", 936},          {"gb_2312-80", 936},      {"chinese", 936},
    {"csgb2312", 936},       {"iso-ir-58", 936},       {"windows-936", 936},
    {"gb18030", 54936},      {"big5", 950},            {"big5-hkscs", 950},
    {"cn-big5", 950},        {"x-x-big5", 950},        {"cp950", 950},
    {"shift_jis", 932},      {"shift-jis", 932},       {"sjis", 932},
    {"x-sjis", 932},         {"ms_kanji", 932},        {"windows-31j", 932},
    {"euc-jp", 20932},       {"euc-kr", 949},          {"ks_c_5601-1987", 949},
    {"windows-949", 949},    {"iso-8859-1", 1252},     {"latin1", 1252},
    {"iso8859-1", 1252},     {"l1", 1252},             {"us-ascii", 1252},
    {"ascii", 1252},         {"iso-8859-2", 28592},    {"iso-8859-5", 28595},
    {"iso-8859-7", 28597},   {"iso-8859-15", 28605},   {"windows-1250", 1250},
    {"windows-1251", 1251},  {"windows-1252", 1252},   {"windows-1253", 1253},
    {"windows-1254", 1254},  {"windows-1256", 1256},   {"windows-1257", 1257},
    {"windows-1258", 1258},  {"koi8-r", 20866},        {"koi8-u", 21866},
    {"utf-16", 1200},        {"utf-16le", 1200},       {"unicode", 1200},
    {"utf-16be", 1201},      {"unicodefffe", 1201},
};

}  // namespace

int CodePageForCharset(const std::string& name) {
  std::string lower;
  for (char c : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const CharsetName& entry : kCharsets) {
    if (lower == entry.name) return entry.codePage;
  }
  return 0;
}

}  // namespace tzl
