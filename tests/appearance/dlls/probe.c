/* A DLL without the C run time whose entry point writes every call into a
 * record that the test owns, so the calls can be read after the DLL's own
 * memory is gone. The record's address comes in the environment variable
 * TZL_PROBE_RECORD (hexadecimal); its layout is ProbeRecord in
 * tests/appearance/probe_record.h. */
#include <windows.h>

#include "tests/appearance/probe_record.h"

static int g_value = 42;
/* A pointer in initialised data: right only after base relocation. */
static int* const g_table[] = {&g_value};

static struct ProbeRecord* Record(void) {
  char text[16];
  DWORD length = GetEnvironmentVariableA("TZL_PROBE_RECORD", text, sizeof text);
  if (length == 0 || length >= sizeof text) return 0;
  UINT_PTR address = 0;
  for (DWORD i = 0; i < length; ++i) {
    char c = text[i];
    address = address * 16 + (UINT_PTR)(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
  }
  return (struct ProbeRecord*)address;
}

BOOL WINAPI ProbeEntry(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  struct ProbeRecord* record = Record();
  if (record != 0 && record->count < PROBE_MAX_CALLS) {
    struct ProbeCall* call = &record->calls[record->count++];
    call->instance = (UINT_PTR)instance;
    call->reason = reason;
    call->reserved = (UINT_PTR)reserved;
    call->dataAddress = (UINT_PTR)&g_value;
  }
#ifdef PROBE_REFUSES_ATTACH
  return reason != DLL_PROCESS_ATTACH;
#else
  return TRUE;
#endif
}

int ReadThroughTable(void) { return *g_table[0]; }
int* ValueAddress(void) { return &g_value; }

int WINAPI SumStdcall3(int a, int b, int c) { return a + 10 * b + 100 * c; }
int WINAPI SumStdcall10(int a, int b, int c, int d, int e, int f, int g, int h, int i, int j) {
  return a + b + c + d + e + f + g + h + i + j;
}
int SumCdecl10(int a, int b, int c, int d, int e, int f, int g, int h, int i, int j) {
  return a - b + c - d + e - f + g - h + i - j;
}
