#include "lookups/shared_values.h"

namespace tzl {

Text SharedText::Get() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return text_;
}

void SharedText::Set(const Text& text) {
  // Copy outside the lock so the lock is held only for the swap.
  Text replacement = text;
  std::lock_guard<std::mutex> lock(mutex_);
  text_.swap(replacement);
}

SharedText& LastMeaning() {
  static SharedText value;
  return value;
}

SharedText& CompanySearchAddress() {
  static SharedText value;
  return value;
}

}  // namespace tzl
