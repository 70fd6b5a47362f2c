// Texts a job hands to the shell. A reader on the GUI thread may read while
// a job replaces the text, so each value is swapped whole under a lock: the
// reader gets a copy of either the old or the new text.
#pragma once

#include <mutex>

#include "text/text.h"

namespace tzl {

class SharedText {
 public:
  Text Get() const;
  void Set(const Text& text);

 private:
  mutable std::mutex mutex_;
  Text text_;
};

// The first meaning of the last finished valuation job (empty when it
// found none, and before any has run); saved with a query.
SharedText& LastMeaning();

// The address of the last company search; a click on the company count
// opens it.
SharedText& CompanySearchAddress();

}  // namespace tzl
