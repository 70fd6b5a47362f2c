// Real DLLs from the i686 linker, mapped from bytes in this process, called
// through CallAddress and unloaded.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "appearance/call_address.h"
#include "appearance/in_memory_library.h"
#include "embedded/GuiImportsDll.h"
#include "embedded/ProbeAcceptingDll.h"
#include "embedded/ProbeRefusingDll.h"
#include "embedded/ShuffledExportsDll.h"
#include "tests/appearance/probe_record.h"

namespace tzl {
namespace {

uint32_t AddressOf(const void* pointer) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer)); }

template <size_t N>
bool LoadBytes(InMemoryLibrary& library, const uint8_t (&bytes)[N], ImportResolver resolver = 0, uint32_t value = 0) {
  return library.Load(bytes, N, resolver, value);
}

bool IsFree(uintptr_t address) {
  MEMORY_BASIC_INFORMATION info = {};
  VirtualQuery(reinterpret_cast<void*>(address), &info, sizeof info);
  return info.State == MEM_FREE;
}

uint32_t PreferredBase(const uint8_t* image) {
  uint32_t lfanew = 0, base = 0;
  std::memcpy(&lfanew, image + 60, 4);
  std::memcpy(&base, image + lfanew + 24 + 28, 4);
  return base;
}

// The probe DLLs write their entry-point calls into this record.
class ProbeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    record = {};
    char text[16];
    std::snprintf(text, sizeof text, "%x", AddressOf(&record));
    SetEnvironmentVariableA("TZL_PROBE_RECORD", text);
  }
  void TearDown() override { SetEnvironmentVariableA("TZL_PROBE_RECORD", nullptr); }

  ProbeRecord record;
};

TEST_F(ProbeTest, ClashingBaseIsRelocatedAndTheAttachComesWithZeroArguments) {
  ASSERT_EQ(PreferredBase(ProbeAcceptingDll), AddressOf(GetModuleHandleA(nullptr)))
      << "the probe must want the program's own base";
  InMemoryLibrary library;
  ASSERT_TRUE(LoadBytes(library, ProbeAcceptingDll));
  EXPECT_NE(library.BaseAddress(), PreferredBase(ProbeAcceptingDll));
  EXPECT_EQ(CallAddress(library.FindExport("ReadThroughTable")), 42u);
  const uint32_t value = CallAddress(library.FindExport("ValueAddress"));
  EXPECT_GT(value, library.BaseAddress());
  EXPECT_LT(value, library.BaseAddress() + 0x10000);

  ASSERT_EQ(record.count, 1u);
  EXPECT_EQ(record.calls[0].reason, 1u);
  EXPECT_EQ(record.calls[0].instance, 0u);
  EXPECT_EQ(record.calls[0].reserved, 0u);
  EXPECT_TRUE(library.Unload());
}

TEST_F(ProbeTest, CallAddressServesStdcallAndCdeclAndRestoresTheStack) {
  InMemoryLibrary library;
  ASSERT_TRUE(LoadBytes(library, ProbeAcceptingDll));
  const Address stdcall3 = library.FindExport("SumStdcall3");
  const Address stdcall10 = library.FindExport("SumStdcall10");
  const Address cdecl10 = library.FindExport("SumCdecl10");
  ASSERT_NE(stdcall3 & stdcall10 & cdecl10, 0u);
  EXPECT_EQ(CallAddress(stdcall3, 1, 2, 3), 321u);
  EXPECT_EQ(CallAddress(stdcall10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10), 55u);
  EXPECT_EQ(static_cast<int32_t>(CallAddress(cdecl10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10)), -5);
  // Forty bytes left or taken per call would run off the stack long before
  // the end of these loops.
  uint32_t sum = 0;
  for (uint32_t i = 0; i < 200000; ++i) {
    sum += CallAddress(cdecl10, i, i) + CallAddress(stdcall3, 1, 0, 0);
  }
  EXPECT_EQ(sum, 200000u);
  EXPECT_TRUE(library.Unload());
}

TEST_F(ProbeTest, RefusedAttachGetsTheDetachAndItsMemoryIsReleased) {
  InMemoryLibrary library;
  EXPECT_FALSE(LoadBytes(library, ProbeRefusingDll));
  EXPECT_EQ(library.BaseAddress(), 0u);
  ASSERT_EQ(record.count, 2u);
  EXPECT_EQ(record.calls[0].reason, 1u);
  EXPECT_EQ(record.calls[1].reason, 0u);
  EXPECT_EQ(record.calls[1].instance, 0u);
  EXPECT_TRUE(IsFree(record.calls[1].dataAddress));
}

TEST_F(ProbeTest, LoadOverAHeldImageDetachesAndReleasesTheOldOne) {
  InMemoryLibrary library;
  ASSERT_TRUE(LoadBytes(library, ProbeAcceptingDll));
  ASSERT_TRUE(LoadBytes(library, ShuffledExportsDll));
  ASSERT_EQ(record.count, 2u);
  EXPECT_EQ(record.calls[1].reason, 0u);
  EXPECT_TRUE(IsFree(record.calls[0].dataAddress));
  EXPECT_NE(library.FindExport("Alpha"), 0u);
  EXPECT_TRUE(library.Unload());
}

TEST_F(ProbeTest, UnloadDetachesAndReleasesAndDestroyLeavesTheImage) {
  {
    InMemoryLibrary library;
    ASSERT_TRUE(LoadBytes(library, ProbeAcceptingDll));
    EXPECT_TRUE(library.Unload());
    ASSERT_EQ(record.count, 2u);
    EXPECT_EQ(record.calls[1].reason, 0u);
    EXPECT_TRUE(IsFree(record.calls[1].dataAddress));
    EXPECT_TRUE(library.Unload());
  }
  uintptr_t kept = 0;
  {
    InMemoryLibrary library;
    ASSERT_TRUE(LoadBytes(library, ProbeAcceptingDll));
    kept = record.calls[2].dataAddress;
  }
  EXPECT_EQ(record.count, 3u) << "no detach from destroying the object";
  EXPECT_FALSE(IsFree(kept));
}

TEST(ShuffledExports, NamesAndOrdinalsFindTheirOwnFunctions) {
  InMemoryLibrary library;
  ASSERT_TRUE(LoadBytes(library, ShuffledExportsDll));
  const struct {
    const char* name;
    uint32_t result;  // 0: not found
  } cases[] = {
      {"Alpha", 1}, {"Mike", 13}, {"Zulu", 26}, {"7", 1}, {"1", 13}, {"3", 26}, {"5", 99},
      {"Hidden", 0}, {"alpha", 0}, {"2", 0}, {"8", 0}, {"07", 0},
  };
  for (const auto& c : cases) {
    const Address address = library.FindExport(c.name);
    EXPECT_EQ(address == 0 ? 0u : CallAddress(address), c.result) << c.name;
  }
}

TEST(GuiImports, ImportsFromUser32AndGdi32AreBound) {
  InMemoryLibrary library;
  ASSERT_TRUE(LoadBytes(library, GuiImportsDll));
  EXPECT_EQ(CallAddress(library.FindExport("ImportsWork")), static_cast<uint32_t>('A' + 1));
  EXPECT_TRUE(library.Unload());
}

// A resolver in each convention: the WINAPI one replaces CharUpperA, the C
// one lets the system resolve everything.
std::vector<std::string> g_asked;
uint32_t g_resolverValue = 0;

LPSTR WINAPI UpperToZ(LPSTR text) {
  text[0] = 'Z';
  return text;
}

Address WINAPI StdcallResolver(const char* dll, const char* function, uint32_t value) {
  g_asked.push_back(std::string(dll) + "!" + function);
  g_resolverValue = value;
  return std::strcmp(function, "CharUpperA") == 0 ? AddressOf(reinterpret_cast<void*>(&UpperToZ)) : 0;
}

extern "C" Address CdeclResolver(const char* dll, const char* function, uint32_t) {
  g_asked.push_back(std::string(dll) + "!" + function);
  return 0;
}

TEST(GuiImports, ResolverInEitherConventionIsAskedForEveryImport) {
  InMemoryLibrary library;
  g_asked.clear();
  ASSERT_TRUE(LoadBytes(library, GuiImportsDll, AddressOf(reinterpret_cast<void*>(&StdcallResolver)), 77));
  EXPECT_EQ(g_resolverValue, 77u);
  EXPECT_EQ(CallAddress(library.FindExport("ImportsWork")), static_cast<uint32_t>('Z' + 1));
  const size_t asked = g_asked.size();
  EXPECT_GE(asked, 2u);
  bool askedUser32 = false;
  for (const std::string& name : g_asked) askedUser32 |= _stricmp(name.c_str(), "user32.dll!CharUpperA") == 0;
  EXPECT_TRUE(askedUser32);

  g_asked.clear();
  ASSERT_TRUE(LoadBytes(library, GuiImportsDll, AddressOf(reinterpret_cast<void*>(&CdeclResolver))));
  EXPECT_EQ(g_asked.size(), asked);
  EXPECT_EQ(CallAddress(library.FindExport("ImportsWork")), static_cast<uint32_t>('A' + 1));
  EXPECT_TRUE(library.Unload());
}

}  // namespace
}  // namespace tzl
