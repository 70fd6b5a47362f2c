// The record a registry sent, as the program's code-page-936 text.
#pragma once

#include <string>

#include "text/text.h"

namespace tzl {

// Registries send ASCII, UTF-8 (CNNIC, most newer ones) or, rarely, a
// legacy code page, and say nothing about which. Bytes that are valid
// UTF-8 and hold anything beyond ASCII are converted from UTF-8 (a
// character without a code-page-936 form becomes "?"); everything else is
// passed on as it came, being ASCII or code-page-936 already in practice.
// `wasCut` says the record was cut at the size cap: a character the cut
// split in two is dropped rather than spoiling the detection. Zero bytes
// are removed, since the program's text ends at the first one.
Text RecordToAnsi(const std::string& record, bool wasCut);

}  // namespace tzl
