// The watched query file "whois.txt": another program writes a domain into
// it, and every change of its content starts a query for it.
#pragma once

#include <mutex>

#include "text/text.h"

namespace tzl::app {

class WatchedFile {
 public:
  // The file's path from the program's directory.
  static Text PathIn(const Text& programDirectory) { return programDirectory + "/whois.txt"; }

  // One timer tick: true, with the new content, when the file exists and
  // its content (its bytes up to the first zero byte; an unreadable file
  // counts as empty) differs from the content taken last.
  bool TakeChange(const Text& path, Text* content);

  // Forgets the last content (the exit routine releases it).
  void Forget();

 private:
  std::mutex mutex_;
  Text lastSeen_;  // no content yet and the empty text compare equal
};

}  // namespace tzl::app
