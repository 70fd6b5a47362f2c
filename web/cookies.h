// Cookies in the text form "name=value; name=value": what a response sets,
// its redirect target, and the merging of sent and received cookies.
#pragma once

#include "text/text.h"

namespace tzl {

// Takes the Set-Cookie lines (exact name) into `cookiesOut`, each followed
// by "; ", and the last "Location: " line (ASCII case ignored) into
// `location`.
void ScanResponseHeaderLines(const Text& responseHeaders, Text* cookiesOut, Text* location);
// Removes a final "; ".
void TidyCookies(Text* cookiesOut);
// Received cookies first, then the sent cookies the response did not
// replace; "=deleted" cookies and exact repeats dropped. Both texts get the
// result.
void MergeCookies(Text* cookiesIn, Text* cookiesOut);

// The part before the first "=", blanks trimmed; all of it without "=".
Text CookieName(const Text& cookie);

}  // namespace tzl
