// Names read one per line from standard input.
#pragma once

#include <string>
#include <vector>

#include "text/text.h"

namespace tzl {

// Splits `bytes` at line feeds (a CR before one is dropped, as is a UTF-8
// byte-order mark at the start) and leaves out lines that are empty or
// blanks alone: a list file's blank lines are no names. A line that is
// valid UTF-8 is converted from it; any other line is taken as code page
// 936 already, as a list saved on a Chinese Windows system is.
std::vector<Text> NamesFromLines(const std::string& bytes);

}  // namespace tzl
