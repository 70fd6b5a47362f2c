// The profile (INI) file format with the semantics of the Windows profile
// functions, on the file's bytes: setting a key creates the section if
// needed, replaces an existing key's line in place and keeps every other
// line byte for byte. Section and key names compare without regard to the
// case of ASCII letters and to blanks around them.
#pragma once

#include <string>

#include "text/text.h"

namespace tzl::app {

std::string SetProfileKey(const std::string& fileBytes, const Text& section, const Text& key, const Text& value);

}  // namespace tzl::app
