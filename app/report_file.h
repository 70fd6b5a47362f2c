// Where a saved query goes: the desktop folder, "/", the query text and
// ".ini". The query text becomes a file name, so a text that could name a
// place outside the desktop folder gives no path at all.
#pragma once

#include "text/text.h"

namespace tzl::app {

// False for a text holding "/", "\", ":" or a ".." component, which would
// leave the desktop folder or name another drive or stream; the empty text
// is allowed (the file is then ".ini").
bool IsReportFileName(const Text& queryText);

// The report path, or the empty text when the query text is no report name.
Text ReportFilePath(const Text& desktopDirectory, const Text& queryText);

}  // namespace tzl::app
