#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "support/clipboard.h"
#include "support/desktop.h"
#include "support/input.h"
#include "support/program.h"
#include "support/wait.h"

namespace {

bool hotkeyReachedTest = false;

LRESULT CALLBACK HotkeyOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) hotkeyReachedTest = true;
  return DefWindowProcW(window, message, wParam, lParam);
}

// A message-only window of the test that holds Scroll Lock before the program starts.
HWND CreateHotkeyOwner() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = HotkeyOwnerProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"QuickPasteTestHotkeyOwner";
  RegisterClassW(&windowClass);
  return CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         windowClass.hInstance, nullptr);
}

}  // namespace

TEST(HotkeyTaken, ProgramStartsQuietlyAndScrollLockDoesNotPaste) {
  HWND hotkeyOwner = CreateHotkeyOwner();
  const BOOL registered = RegisterHotKey(hotkeyOwner, 1, 0, VK_SCROLL);
  const DWORD error = GetLastError();
  ASSERT_TRUE(registered) << "error " << error;
  RunningProgram program;
  ASSERT_TRUE(program.WaitForMainWindow());
  PumpMessagesFor(300);
  EXPECT_EQ(VisibleWindowsOf(program.processId()).size(), 1u)
      << "nothing but the main window is shown";

  TargetWindow target(/*withEdit=*/false);
  ASSERT_TRUE(target.Activate());
  ASSERT_TRUE(
      PutClipboard({{CF_UNICODETEXT, Utf16Bytes(L"rich")}, {RtfFormat(), "{\\rtf1 rich}"}}));
  KeyRecorder keys;
  TapKey(VK_SCROLL);
  EXPECT_TRUE(WaitUntil([] { return hotkeyReachedTest; }, 3000))
      << "the hotkey should have come to its first owner, the test";
  PumpMessagesFor(500);
  EXPECT_TRUE(keys.EventsBesidesScrollLock().empty());
  const std::vector<UINT> formats = ClipboardFormats();
  EXPECT_NE(std::find(formats.begin(), formats.end(), RtfFormat()), formats.end());
  UnregisterHotKey(hotkeyOwner, 1);
  DestroyWindow(hotkeyOwner);
}
