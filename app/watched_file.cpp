#include "app/watched_file.h"

#include "app/file_access.h"

namespace tzl::app {

bool WatchedFile::TakeChange(const Text& path, Text* content) {
  if (!FileExists(path)) return false;
  Text now = TextUpToNul(ReadWholeFile(path));
  std::lock_guard<std::mutex> guard(mutex_);
  if (now == lastSeen_) return false;
  lastSeen_ = now;
  *content = now;
  return true;
}

void WatchedFile::Forget() {
  std::lock_guard<std::mutex> guard(mutex_);
  lastSeen_.clear();
  lastSeen_.shrink_to_fit();
}

}  // namespace tzl::app
