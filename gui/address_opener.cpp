#include "gui/address_opener.h"

#include <windows.h>

#include <shellapi.h>

#include "gui/wide_text.h"

namespace tzl::gui {

AddressOpener SystemAddressOpener() {
  return [](const Text& address) {
    if (address.empty()) return;
    ShellExecuteW(nullptr, L"open", Wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  };
}

}  // namespace tzl::gui
