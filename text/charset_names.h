// The character-set names that pages declare, mapped to Windows code-page
// numbers. Both builds decode through this one table, so a name that one
// build knows the other knows too.
#pragma once

#include <string>

namespace tzl {

constexpr int kCodePageUtf16Le = 1200;
constexpr int kCodePageUtf16Be = 1201;
constexpr int kCodePageUtf8 = 65001;
constexpr int kCodePageGbk = 936;

// The code page for a declared name (ASCII case ignored), or 0 when the
// name is unknown.
int CodePageForCharset(const std::string& name);

}  // namespace tzl
