/* What the probe DLL writes for every call of its entry point, into memory
 * of the test (C, shared by the DLL and the test). */
#pragma once

#include <stdint.h>

#define PROBE_MAX_CALLS 16

struct ProbeCall {
  uintptr_t instance;
  uint32_t reason;
  uintptr_t reserved;
  uintptr_t dataAddress; /* an address inside the DLL's image */
};

struct ProbeRecord {
  uint32_t count;
  struct ProbeCall calls[PROBE_MAX_CALLS];
};
