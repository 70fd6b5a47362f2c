// Calls a routine by its address with ten 32-bit arguments (the first
// nearest the return address). The stack pointer is put back after the call
// whatever the routine removed, so one call serves WINAPI routines of up to
// ten arguments and C-convention routines alike. The address is not checked.
// Windows build only: natively an address is not code of this process.
#pragma once

#include <cstdint>

#include "appearance/loader_platform.h"

namespace tzl {

uint32_t CallAddress(Address routine, uint32_t argument1 = 0, uint32_t argument2 = 0, uint32_t argument3 = 0,
                     uint32_t argument4 = 0, uint32_t argument5 = 0, uint32_t argument6 = 0, uint32_t argument7 = 0,
                     uint32_t argument8 = 0, uint32_t argument9 = 0, uint32_t argument10 = 0);

}  // namespace tzl
