// Whole-file operations on code-page-936 paths, through the wide file
// interfaces so a Chinese path works on a system of any locale.
#pragma once

#include <string>

#include "text/text.h"

namespace tzl::app {

bool FileExists(const Text& path);
// The whole file; the empty text when it cannot be read. A writer may hold
// the file open meanwhile.
std::string ReadWholeFile(const Text& path, bool* readable = nullptr);
// Creates or replaces the file with exactly these bytes.
bool WriteWholeFile(const Text& path, const std::string& bytes);
// Deleting a file that is not there is no failure.
void DeleteFileIfPresent(const Text& path);

}  // namespace tzl::app
