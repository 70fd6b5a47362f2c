// Writing one key of a profile (INI) file, as WritePrivateProfileString
// does, but always in code-page-936 bytes whatever the system's locale.
#pragma once

#include "text/text.h"

namespace tzl::app {

// False, and no file changed, when the file cannot be read back or written.
bool WriteProfileKey(const Text& path, const Text& section, const Text& key, const Text& value);

}  // namespace tzl::app
