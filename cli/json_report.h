// The JSON report of one name: one object, one line, stable English keys;
// every key is always there, "" where no service gave a value.
#pragma once

#include <string>

#include "cli/panel_fields.h"

namespace tzl {

// `requestedName` as the user gave it (code page 936). The result is
// UTF-8 without a line break.
std::string FormatJsonReport(const Text& requestedName, const NameFields& fields);

}  // namespace tzl
