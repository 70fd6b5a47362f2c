#include "app/profile_file.h"

#include "app/file_access.h"
#include "app/profile_text.h"

namespace tzl::app {

bool WriteProfileKey(const Text& path, const Text& section, const Text& key, const Text& value) {
  std::string existing;
  if (FileExists(path)) {
    bool readable = false;
    existing = ReadWholeFile(path, &readable);
    // Writing over a file we could not read would lose its other lines.
    if (!readable) return false;
  }
  return WriteWholeFile(path, SetProfileKey(existing, section, key, value));
}

}  // namespace tzl::app
