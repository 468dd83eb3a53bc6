#include <windows.h>

#include <gtest/gtest.h>

#include "support/program.h"

TEST(Startup, ShowsCentredFixedSizeWindowOwnedByHiddenToolWindow) {
  RunningProgram program;
  HWND window = program.WaitForMainWindow();
  ASSERT_TRUE(window) << "no visible window within the deadline";

  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 211);
  EXPECT_EQ(rect.bottom - rect.top, 143);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 211) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 143) / 2);

  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME) << std::hex << style;
  EXPECT_FALSE(style & WS_MAXIMIZEBOX) << std::hex << style;
  EXPECT_TRUE(style & WS_MINIMIZEBOX) << std::hex << style;
  EXPECT_TRUE(style & WS_CAPTION) << std::hex << style;
  EXPECT_TRUE(style & WS_SYSMENU) << std::hex << style;
  EXPECT_TRUE(style & WS_CLIPCHILDREN) << std::hex << style;
  EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  // Another process's text must be asked for with a message.
  EXPECT_EQ(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), 0);
  // The icons are checked in-process (MainWindowInProcess.HasBothIconsFromTheWindowIcon):
  // Wine answers WM_GETICON from another process with null, where Windows gives the icon.

  HWND owner = GetWindow(window, GW_OWNER);
  ASSERT_TRUE(owner);
  EXPECT_FALSE(IsWindowVisible(owner));
  EXPECT_TRUE(GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}
