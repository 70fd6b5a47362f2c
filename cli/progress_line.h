// The progress line on standard error: names done of all, and the time
// since the start, rewritten in place. Only for a terminal; a log file
// gets no progress.
#pragma once

#include <cstddef>
#include <mutex>
#include <string>

namespace tzl {

class ProgressLine {
 public:
  ProgressLine(bool enabled, size_t total);
  void Done(size_t done);
  // A line of its own on standard error (UTF-8, no line break), written
  // so that it does not run into the progress line.
  void Message(const std::string& utf8);
  // Ends the progress line with a line break.
  void Finish();

 private:
  void Draw();

  const bool enabled_;
  const size_t total_;
  size_t done_ = 0;
  bool drawn_ = false;
  long long startMs_;
  std::mutex mutex_;
};

// "12/200 names, 1:05 elapsed"
std::string ProgressText(size_t done, size_t total, long long elapsedMs);

}  // namespace tzl
