// Opening an address with the system's default handler. Callers hold an
// AddressOpener so that tests can capture the addresses instead.
#pragma once

#include <functional>

#include "text/text.h"

namespace tzl::gui {

using AddressOpener = std::function<void(const Text& address)>;

// ShellExecute with the verb "open"; nothing is awaited or reported. An
// empty address is not handed on: the system would open a folder for it.
AddressOpener SystemAddressOpener();

}  // namespace tzl::gui
