#include "cli/progress_line.h"

#include <chrono>

#include "cli/console.h"

namespace tzl {

namespace {

// Wide enough for any progress text, so a rewrite covers the last one
// without terminal escapes (an older Windows console shows them raw).
constexpr size_t kLineWidth = 50;

std::string Padded(const std::string& text) {
  return text.size() < kLineWidth ? text + std::string(kLineWidth - text.size(), ' ') : text;
}

long long NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

std::string ProgressText(size_t done, size_t total, long long elapsedMs) {
  long long seconds = elapsedMs / 1000;
  std::string secondsText = std::to_string(seconds % 60);
  if (secondsText.size() < 2) secondsText.insert(0, "0");
  return std::to_string(done) + "/" + std::to_string(total) + " names, " + std::to_string(seconds / 60) + ":" +
         secondsText + " elapsed";
}

ProgressLine::ProgressLine(bool enabled, size_t total) : enabled_(enabled), total_(total), startMs_(NowMs()) {
  std::lock_guard<std::mutex> lock(mutex_);
  Draw();
}

void ProgressLine::Draw() {
  if (!enabled_) return;
  WriteError("\r" + Padded(ProgressText(done_, total_, NowMs() - startMs_)));
  drawn_ = true;
}

void ProgressLine::Done(size_t done) {
  std::lock_guard<std::mutex> lock(mutex_);
  done_ = done;
  Draw();
}

void ProgressLine::Message(const std::string& utf8) {
  std::lock_guard<std::mutex> lock(mutex_);
  WriteError((drawn_ ? "\r" + Padded("") + "\r" : std::string()) + utf8 + "\n");
  drawn_ = false;
  Draw();
}

void ProgressLine::Finish() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (drawn_) WriteError("\n");
  drawn_ = false;
}

}  // namespace tzl
