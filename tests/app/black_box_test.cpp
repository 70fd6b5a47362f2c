// A person's path through the built program, from outside its process:
// start it under Wine against the fixture services, agree, type a domain,
// press Enter and the more button, read every field and both lists with
// the standard messages, take pictures of the window.
#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

#include "app/disclaimer_text.h"
#include "app/file_access.h"
#include "app/main_window_form.h"
#include "gui/wide_text.h"
#include "lookups/result_panel.h"
#include "lookups/service_hosts.h"
#include "remote_window.h"
#include "test_support.h"
#include "tests/support/fixture_services.h"

namespace tzl::test {
namespace {

const Text kMarker = "C:\\tanzhiling.txt";

std::wstring WindowsPath(const char* unixPath) {
  std::wstring path = L"Z:" + gui::Wide(unixPath);
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

bool WaitFor(const std::function<bool()>& condition, int seconds) {
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return condition();
}

class RunningProgram {
 public:
  RunningProgram() {
    std::wstring program = WindowsPath(TZL_PROGRAM_FILE);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = std::chrono::steady_clock::now();
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &info_)) {
      CloseHandle(info_.hThread);
    } else {
      info_.hProcess = nullptr;
    }
  }
  ~RunningProgram() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hProcess);
  }
  bool Started() const { return info_.hProcess != nullptr; }
  HANDLE Process() const { return info_.hProcess; }
  DWORD Id() const { return info_.dwProcessId; }

  HWND WaitForWindow(const wchar_t* windowClass, int seconds = 90) {
    HWND found = nullptr;
    WaitFor([&] {
      found = FindProcessWindow(Id(), windowClass);
      return found && IsWindowVisible(found);
    }, seconds);
    return found;
  }
  double MillisecondsSinceStart() const {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started_).count();
  }
  // The exit code, or -1 when the program did not end in time.
  long WaitForExit(int seconds = 30) {
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(seconds) * 1000) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
  }

 private:
  PROCESS_INFORMATION info_{};
  std::chrono::steady_clock::time_point started_;
};

HWND Child(HWND main, const char* name) { return GetDlgItem(main, app::MainWindowControlId(name)); }
HWND TitleButton(HWND main) {
  return GetDlgItem(GetDlgItem(main, app::MainWindowControlId("图片框1")), app::MainWindowControlId("按钮3"));
}

SIZE SizeOf(HWND window) {
  RECT place;
  GetWindowRect(window, &place);
  return SIZE{place.right - place.left, place.bottom - place.top};
}

void RouteToFixtures() {
  static bool routed = [] {
    FixtureServices& services = FixtureServices::Instance();
    services.AddRoute(ServiceHosts::RegistrationRecord, false);
    services.RouteAllHosts();
    return true;
  }();
  (void)routed;
}

std::wstring ShotPath(const char* name) { return WindowsPath(TZL_SHOT_DIR) + L"\\" + gui::Wide(name); }

struct Field {
  const char* name;
  const char* text;
};

// What the fixture pages of wanxiang.com make of every field.
const Field kFields[] = {
    {"sc", "预定竞价中：2027-01-08 10:00:00   类型：竞价"},
    {"注册商网址", "注册商网址：http://www.net.cn\r\n   "},
    {"注册商", "注册商：Alibaba Cloud Computing (Beijing) Co., Ltd.\r\n   "},
    {"更新日期", "更新：2026-05-06T02:11:09Z\r\n   "},
    {"注册日期", "注册：1999-05-06T04:00:00Z\r\n   "},
    {"到期日期", "到期：2027-05-06T04:00:00Z\r\n   3d20h后删除"},
    {"邮箱", "邮箱：DomainAbuse@service.aliyun.com\r\n   "},
    {"电话", "电话：+86.95187\r\n   "},
    {"注册人", ""},
    {"CXZ",
     "Godaddy保守估值为:8900美元（仅适用于英文域名）\r\n\r\nCXZ估值为：15.6000万元   玩米网： 9.8万 元\r\n\r\n"
     "域名含义：万象，万向，万项，"},
    {"百度收录", "百度收录：8,750条"},
    {"搜狗收录", "搜狗收录：512条"},
    {"百度反链", "百度反链：1,460,000条"},
    {"搜狗反链", "搜狗反链：2,380条"},
    {"终端", "共匹配到1523个公司企业终端"},
};

TEST(BlackBox, FirstStartAgreeQueryAndDetails) {
  RouteToFixtures();
  app::DeleteFileIfPresent(kMarker);
  RunningProgram program;
  ASSERT_TRUE(program.Started());

  HWND disclaimer = program.WaitForWindow(L"TzlDisclaimerWindow");
  ASSERT_NE(disclaimer, nullptr) << "no disclaimer on the first start";
  EXPECT_EQ(RemoteWindowText(GetDlgItem(disclaimer, 100)), app::kDisclaimerText);
  HWND agree = GetDlgItem(disclaimer, 102);
  ASSERT_EQ(RemoteWindowText(agree), "同意");
  SendMessageW(agree, BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([] { return app::FileExists(kMarker); }, 10));
  EXPECT_EQ(app::ReadWholeFile(kMarker), std::string(app::kDisclaimerText));

  HWND main = program.WaitForWindow(L"TzlMainWindow");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(RemoteWindowText(main), "探址灵");
  EXPECT_EQ(SizeOf(main).cx, 379);
  EXPECT_EQ(SizeOf(main).cy, 444);

  HWND query = Child(main, "编辑框1");
  std::wstring typed = gui::Wide("wan xiang。com");
  SendMessageW(query, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
  PostMessageW(query, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(query, WM_CHAR, '\r', 1);

  auto allFilled = [&] {
    for (const Field& field : kFields) {
      if (RemoteWindowText(Child(main, field.name)) != field.text) return false;
    }
    return RemoteRowCount(Child(main, "超级列表框1")) == 3 && SizeOf(main).cy == 444 + 95;
  };
  WaitFor(allFilled, 90);
  EXPECT_EQ(RemoteWindowText(query), "wanxiang.com");
  for (const Field& field : kFields) {
    Text shown = RemoteWindowText(Child(main, field.name));
    EXPECT_EQ(shown, field.text) << field.name << " " << Hex(shown);
  }
  HWND prices = Child(main, "超级列表框1");
  ASSERT_EQ(RemoteRowCount(prices), 3);
  EXPECT_EQ(RemoteCellText(program.Process(), prices, 2, 1), "一口价");
  EXPECT_EQ(RemoteCellText(program.Process(), prices, 2, 2), "2012-04-01 08:00:00");
  EXPECT_EQ(RemoteCellText(program.Process(), prices, 2, 3), "爱名网");
  for (int row = 0; row < 3; ++row) EXPECT_EQ(RemoteCellImage(program.Process(), prices, row), row);
  EXPECT_EQ(SizeOf(main).cy, 444 + 95);
  EXPECT_EQ(SizeOf(prices).cy, 95);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_TRUE(SaveWindowPicture(main, ShotPath("main-window-filled.png")));

  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(program.Process(), &memory, sizeof memory)) {
    std::printf("[figure] working set after one full query: %.1f MiB (peak %.1f MiB)\n",
                memory.WorkingSetSize / 1048576.0, memory.PeakWorkingSetSize / 1048576.0);
  }

  SendMessageW(Child(main, "按钮1"), BM_CLICK, 0, 0);
  HWND details = Child(main, "超级列表框2");
  const char* const figures[] = {"3,560", "4,120", "860", "240", "1,020", "66", "310"};
  const char* const facts[] = {"198.51.100.7", "浙ICP备05019873号-3", "2021-08-19", "万向集团公司", "企业", "万向集团"};
  WaitFor([&] {
    return RemoteCellText(program.Process(), details, 13, 1) == facts[5] &&
           RemoteCellText(program.Process(), details, 6, 1) == figures[6];
  }, 60);
  EXPECT_EQ(SizeOf(main).cx, 777);
  EXPECT_EQ(SizeOf(details).cy, 444 + 95);
  for (int row = 0; row < 7; ++row) {
    EXPECT_EQ(RemoteCellText(program.Process(), details, row, 1), figures[row]) << row;
    EXPECT_EQ(RemoteCellImage(program.Process(), details, row), row) << row;
  }
  EXPECT_EQ(RemoteCellText(program.Process(), details, 7, 1), "---------------");
  for (int i = 0; i < 6; ++i) EXPECT_EQ(RemoteCellText(program.Process(), details, 8 + i, 1), facts[i]) << 8 + i;
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_TRUE(SaveWindowPicture(main, ShotPath("main-window-details.png")));

  SendMessageW(TitleButton(main), BM_CLICK, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_TRUE(app::FileExists(kMarker));  // the close button keeps the agreement
}

TEST(BlackBox, DisagreeOnFirstStartEndsWithCodeZero) {
  app::DeleteFileIfPresent(kMarker);
  RunningProgram program;
  ASSERT_TRUE(program.Started());
  HWND disclaimer = program.WaitForWindow(L"TzlDisclaimerWindow");
  ASSERT_NE(disclaimer, nullptr);
  PostMessageW(GetDlgItem(disclaimer, 101), BM_CLICK, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_FALSE(app::FileExists(kMarker));
}

// The figure: process start to the main window shown, warm prefix, with
// the agreement in place; the median of several starts.
TEST(BlackBox, StartTimeFigure) {
  app::WriteWholeFile(kMarker, app::kDisclaimerText);
  std::vector<double> times;
  for (int run = 0; run < 5; ++run) {
    RunningProgram program;
    ASSERT_TRUE(program.Started());
    HWND main = program.WaitForWindow(L"TzlMainWindow");
    ASSERT_NE(main, nullptr);
    times.push_back(program.MillisecondsSinceStart());
    SendMessageW(TitleButton(main), BM_CLICK, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
  }
  std::sort(times.begin(), times.end());
  std::printf("[figure] start to main window shown: median %.0f ms (runs:", times[times.size() / 2]);
  for (double t : times) std::printf(" %.0f", t);
  std::printf(")\n");
}

}  // namespace
}  // namespace tzl::test
