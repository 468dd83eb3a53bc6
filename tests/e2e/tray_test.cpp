#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <functional>

#include "support/input.h"
#include "support/program.h"
#include "support/system_state.h"
#include "support/tray.h"
#include "support/wait.h"

namespace {

constexpr int kCheckBoxId = 1002;
constexpr int kHideButtonId = 1003;
constexpr UINT kTrayCallbackMessage = WM_APP + 100;

POINT CentreOf(HWND window, int id) {
  RECT rect;
  GetWindowRect(GetDlgItem(window, id), &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

int ThreadCount(DWORD processId) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  int count = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    count += entry.th32OwnerProcessID == processId;
  CloseHandle(snapshot);
  return count;
}

void SetBoxOnAtStart() {
  // [开机启动] 开机状态=真
  ASSERT_TRUE(WriteFileBytes(SettingsFilePath(), SettingsFileWith("\xD5\xE6")));
}

}  // namespace

TEST(Tray, HideButtonHidesTheWindowAndPutsUpOneIcon) {
  const struct {
    const char* name;
    std::function<void(HWND)> press;
  } cases[] = {
      {"click", [](HWND window) { ClickAt(CentreOf(window, kHideButtonId)); }},
      // The hide button has the focus from the start.
      {"space bar right after start", [](HWND) { TapKey(VK_SPACE); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RunningProgram program;
    HWND window = program.WaitForReadyWindow();
    ASSERT_TRUE(window);
    EXPECT_FALSE(TrayIconIsUp(window));
    c.press(window);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 2000)) << "not hidden";
    EXPECT_TRUE(WaitUntil([&] { return TrayIconIsUp(window); }, 2000)) << "no icon";

    // Hidden, the program can only be ended from outside: destroy its window.
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_FALSE(TrayIconIsUp(window)) << "the icon outlived the program";
  }
}

TEST(Tray, ClicksOnTheIconDoNothing) {
  RunningProgram program;
  HWND window = program.WaitForReadyWindow();
  ASSERT_TRUE(window);
  ClickAt(CentreOf(window, kHideButtonId));
  ASSERT_TRUE(WaitUntil([&] { return TrayIconIsUp(window); }, 2000));
  for (UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP,
                     WM_CONTEXTMENU}) {
    SCOPED_TRACE(testing::Message() << "mouse message 0x" << std::hex << mouse);
    EXPECT_EQ(SendMessageW(window, kTrayCallbackMessage, 100, mouse), 0);
  }
  PumpMessagesFor(300);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(program.IsRunning());
  EXPECT_TRUE(TrayIconIsUp(window));
  EXPECT_EQ(GetWindow(window, GW_ENABLEDPOPUP), nullptr) << "a menu or popup opened";
}

TEST(AutoHide, HidesFiveSecondsAfterFirstActivationWhenCheckedAndUntouched) {
  SetBoxOnAtStart();
  RunningProgram program;
  HWND window = program.WaitForMainWindow();
  ASSERT_TRUE(window);
  const ULONGLONG shownAt = GetTickCount64();
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 8000)) << "never hidden";
  const ULONGLONG elapsed = GetTickCount64() - shownAt;
  // The window is seen shortly after its activation, so a little under 5000 ms counts.
  EXPECT_GE(elapsed, 4800u);
  EXPECT_LE(elapsed, 6000u);
  EXPECT_TRUE(WaitUntil([&] { return TrayIconIsUp(window); }, 1000));
}

TEST(AutoHide, WhatHappensDuringTheWaitDecides) {
  const struct {
    const char* name;
    bool checkedAtStart;
    std::function<void(HWND)> duringWait;
    bool hidden;
  } cases[] = {
      {"moved", true,
       [](HWND window) { SetWindowPos(window, nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER); },
       false},
      {"left click on the bare client area", true,
       [](HWND window) {
         POINT point{120, 30};
         ClientToScreen(window, &point);
         ClickAt(point);
       },
       false},
      {"box cleared", true, [](HWND window) { ClickAt(CentreOf(window, kCheckBoxId)); }, false},
      {"box checked", false, [](HWND window) { ClickAt(CentreOf(window, kCheckBoxId)); }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetProgramState();
    if (c.checkedAtStart) SetBoxOnAtStart();
    RunningProgram program;
    HWND window = program.WaitForReadyWindow();
    ASSERT_TRUE(window);
    c.duringWait(window);
    const bool hidden =
        WaitUntil([&] { return !IsWindowVisible(window) && TrayIconIsUp(window); }, 7000);
    EXPECT_EQ(hidden, c.hidden);
    EXPECT_EQ(IsWindowVisible(window), !c.hidden);
  }
}

TEST(AutoHide, HideButtonDuringTheWaitThenTheWorkerKeepsOneIcon) {
  SetBoxOnAtStart();
  RunningProgram program;
  HWND window = program.WaitForReadyWindow();
  ASSERT_TRUE(window);
  const ULONGLONG shownAt = GetTickCount64();
  ClickAt(CentreOf(window, kHideButtonId));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window) && TrayIconIsUp(window); }, 2000));
  // Past the worker's hide: it changes the icon instead of adding a second one.
  PumpMessagesFor(static_cast<DWORD>(6000 - (GetTickCount64() - shownAt)));
  EXPECT_TRUE(TrayIconIsUp(window));
  EXPECT_TRUE(program.IsRunning());
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
  EXPECT_FALSE(TrayIconIsUp(window));
}

TEST(AutoHide, ActivatingAgainStartsNoSecondWorker) {
  RunningProgram program;
  HWND window = program.WaitForReadyWindow();
  ASSERT_TRUE(window);
  PumpMessagesFor(300);
  const int withWorker = ThreadCount(program.processId());
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                               100, nullptr, nullptr, nullptr, nullptr);
  for (int round = 0; round < 3; ++round) {
    ASSERT_TRUE(WaitUntil(
        [&] {
          SetForegroundWindow(other);
          return GetForegroundWindow() == other;
        },
        3000));
    ASSERT_TRUE(WaitUntil(
        [&] {
          SetForegroundWindow(window);
          return GetForegroundWindow() == window;
        },
        3000));
  }
  DestroyWindow(other);
  PumpMessagesFor(300);
  EXPECT_EQ(ThreadCount(program.processId()), withWorker);
  // The one worker ends after its wait.
  EXPECT_TRUE(WaitUntil([&] { return ThreadCount(program.processId()) == withWorker - 1; }, 7000))
      << ThreadCount(program.processId()) << " threads, " << withWorker << " while waiting";
}

TEST(AutoHide, ClosingDuringTheWaitEndsCleanly) {
  SetBoxOnAtStart();
  RunningProgram program;
  HWND window = program.WaitForMainWindow();
  ASSERT_TRUE(window);
  PumpMessagesFor(1000);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(2000), std::optional<DWORD>(0));
  EXPECT_FALSE(TrayIconIsUp(window));
}
