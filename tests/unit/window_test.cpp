#include <windows.h>

#include <gtest/gtest.h>

#include "app/application.h"
#include "app/main_window.h"
#include "app/touch_state.h"

TEST(MainWindowInProcess, IsUntouchedOnceReady) {
  HWND owner = CreateHiddenOwnerWindow(GetModuleHandleW(nullptr));
  HWND window = LoadMainWindow(GetModuleHandleW(nullptr), owner);
  ASSERT_TRUE(window);
  EXPECT_EQ(WindowTouchState.load(), kUntouched);
  DestroyWindow(window);
  DestroyWindow(owner);
}

TEST(MainWindowInProcess, HasBothIconsFromTheWindowIcon) {
  HWND owner = CreateHiddenOwnerWindow(GetModuleHandleW(nullptr));
  HWND window = LoadMainWindow(GetModuleHandleW(nullptr), owner);
  ASSERT_TRUE(window);
  HICON big = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  HICON small = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  EXPECT_TRUE(big);
  EXPECT_TRUE(small);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(big, &info)) << GetLastError();
  BITMAP bitmap{};
  GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 64);
  EXPECT_EQ(bitmap.bmHeight, 64);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyWindow(window);
  DestroyWindow(owner);
}
