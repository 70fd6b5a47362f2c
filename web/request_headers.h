// The request header block: the caller's lines, the default lines the
// block lacks, header-name normalisation, removal of a keep-alive line and
// the Cookie line.
#pragma once

#include "text/text.h"

namespace tzl {

// The whole block in the order of its steps.
Text BuildRequestHeaderBlock(const Text& extraHeaders, int method, const Text& cookiesIn, bool addDefaultHeaders,
                             bool normaliseHeaderCase);

// Each default line whose search text occurs nowhere in the block (ASCII
// case ignored), in table order; the Content-Type line only for POST.
Text AddDefaultHeaderLines(const Text& block, int method);
// Drops lines without ":", capitalises the first letter of the name and
// each letter after a "-"; the lines joined with CR LF, none after the last.
Text NormaliseHeaderNames(const Text& block);
// Removes "Connection: keep-alive" lines ending in CR LF when the first
// Connection line asks for exactly that.
Text DropKeepAliveLine(const Text& block);
// Appends the Cookie line for `cookiesIn` unless the block has one.
Text AddCookieLine(const Text& block, const Text& cookiesIn);

}  // namespace tzl
