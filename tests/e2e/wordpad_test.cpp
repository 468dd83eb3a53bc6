#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/clipboard.h"
#include "support/desktop.h"
#include "support/input.h"
#include "support/program.h"
#include "support/wait.h"

namespace {

BOOL CALLBACK FindRichEdit(HWND child, LPARAM lParam) {
  wchar_t className[64] = {};
  GetClassNameW(child, className, ARRAYSIZE(className));
  if (_wcsnicmp(className, L"RICHEDIT", 8) != 0) return TRUE;
  *reinterpret_cast<HWND*>(lParam) = child;
  return FALSE;
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  SendMessageW(window, WM_GETTEXT, ARRAYSIZE(text), reinterpret_cast<LPARAM>(text));
  return text;
}

}  // namespace

// A rich-text editor takes the rich text over the plain one when both are offered: what
// arrives there shows which the clipboard held.
TEST(RealTarget, WordPadGetsThePlainText) {
  RunningProgram program;
  ASSERT_TRUE(program.WaitForReadyWindow());
  wchar_t folder[MAX_PATH];
  ExpandEnvironmentStringsW(L"%ProgramFiles%\\Windows NT\\Accessories\\wordpad.exe", folder,
                            MAX_PATH);
  RunningProgram wordpad(folder);
  HWND frame = nullptr;
  HWND editor = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        const std::vector<HWND> windows = VisibleWindowsOf(wordpad.processId());
        frame = windows.empty() ? nullptr : windows.front();
        if (frame) EnumChildWindows(frame, FindRichEdit, reinterpret_cast<LPARAM>(&editor));
        return editor != nullptr;
      },
      15000))
      << "WordPad did not come up";
  ASSERT_TRUE(WaitUntil(
      [&] {
        SetForegroundWindow(frame);
        return GetForegroundWindow() == frame;
      },
      5000));
  ASSERT_TRUE(PutClipboard(
      {{CF_UNICODETEXT, Utf16Bytes(L"plain words")}, {RtfFormat(), "{\\rtf1 {\\b rich words}}"}}));
  KeyRecorder keys;
  TapKey(VK_SCROLL);
  ASSERT_TRUE(keys.WaitForVRelease());
  EXPECT_TRUE(WaitUntil([&] { return TextOf(editor).find(L"words") != std::wstring::npos; }, 5000));
  EXPECT_EQ(TextOf(editor).substr(0, TextOf(editor).find_last_not_of(L"\r\n") + 1), L"plain words");
}
