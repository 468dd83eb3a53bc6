#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "support/clipboard.h"
#include "support/desktop.h"
#include "support/input.h"
#include "support/program.h"
#include "support/system_state.h"
#include "support/wait.h"

namespace {

constexpr int kCheckBoxId = 1002;
const std::string kOn = "\xD5\xE6";   // 真
const std::string kOff = "\xBC\xD9";  // 假

bool IsChecked(HWND window) {
  return SendMessageW(GetDlgItem(window, kCheckBoxId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ClickCheckBox(HWND window) {
  RECT rect;
  GetWindowRect(GetDlgItem(window, kCheckBoxId), &rect);
  ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

// Presses Scroll Lock with the clipboard as put(), pasting into an edit of the test,
// and returns what arrived there.
std::wstring PasteWith(const std::function<void()>& put, DWORD timeoutMs = 5000) {
  TargetWindow target(/*withEdit=*/true);
  EXPECT_TRUE(target.Activate());
  put();
  KeyRecorder keys;
  TapKey(VK_SCROLL);
  EXPECT_TRUE(keys.WaitForVRelease(timeoutMs)) << "no Ctrl+V";
  PumpMessagesFor(200);
  return target.EditText();
}

void PutRawText(const std::string& bytes) {
  ASSERT_TRUE(PutClipboard({{CF_UNICODETEXT, bytes}}));
}

// The owner of a delayed-rendering clipboard: it announces text and renders it only
// when asked, and late.
LRESULT CALLBACK LateRenderer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_RENDERFORMAT && wParam == CF_UNICODETEXT) {
    Sleep(300);
    const std::string bytes = Utf16Bytes(L"rendered late");
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

struct HostileCase {
  const char* name;
  std::function<void()> before;  // runs before the program starts
  std::wstring exe;              // empty: the built program where it was built
  std::function<void(HWND)> work;
};

std::wstring CopyProgramTo(const std::wstring& folder, const std::wstring& name) {
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring exe = folder + L"\\" + name;
  const BOOL copied = CopyFileW(ProgramPath().c_str(), exe.c_str(), FALSE);
  const DWORD error = GetLastError();
  EXPECT_TRUE(copied) << "error " << error;
  return exe;
}

}  // namespace

TEST(HostileInput, NoCrashNoHangAndTheRightOutcome) {
  HANDLE lockedFile = INVALID_HANDLE_VALUE;
  HWND lateOwner = nullptr;
  const std::wstring longFolder = L"C:\\" + std::wstring(241, L'p');  // path of 259 bytes
  const std::wstring longName = std::wstring(216, L'n') + L".exe";
  const HostileCase cases[] = {
      {"zero-length text block",
       {},
       L"",
       [](HWND) {
         EXPECT_EQ(PasteWith([] { PutRawText(""); }), L"");
         EXPECT_EQ(ClipboardUnicodeText(), std::optional<std::wstring>(L""));
       }},
      {"text of only a zero",
       {},
       L"",
       [](HWND) { EXPECT_EQ(PasteWith([] { PutRawText(std::string(2, '\0')); }), L""); }},
      {"256 MB text",
       {},
       L"",
       [](HWND) {
         const SIZE_T bytes = 256u * 1024 * 1024;
         TargetWindow target(/*withEdit=*/false);
         ASSERT_TRUE(target.Activate());
         ASSERT_TRUE(OpenClipboard(target.window()));
         EmptyClipboard();
         HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
         ASSERT_TRUE(block) << "no memory for the test's own copy";
         auto* text = static_cast<wchar_t*>(GlobalLock(block));
         for (SIZE_T i = 0; i + 1 < bytes / 2; ++i) text[i] = L'a' + i % 26;
         text[bytes / 2 - 1] = L'\0';
         GlobalUnlock(block);
         ASSERT_TRUE(SetClipboardData(CF_UNICODETEXT, block));
         CloseClipboard();
         KeyRecorder keys;
         TapKey(VK_SCROLL);
         ASSERT_TRUE(keys.WaitForVRelease(60000));
         ASSERT_TRUE(OpenClipboard(target.window()));
         HANDLE after = GetClipboardData(CF_UNICODETEXT);
         EXPECT_EQ(GlobalSize(after), bytes);
         const auto* copy = static_cast<const wchar_t*>(GlobalLock(after));
         ASSERT_TRUE(copy);
         EXPECT_EQ(copy[0], L'a');
         EXPECT_EQ(copy[bytes / 2 - 2], L'a' + (bytes / 2 - 2) % 26);
         EXPECT_EQ(copy[bytes / 2 - 1], L'\0');
         GlobalUnlock(after);
         CloseClipboard();
       }},
      {"text rendered late by its owner",
       {},
       L"",
       [&](HWND) {
         EXPECT_EQ(PasteWith([&] {
                     WNDCLASSW windowClass{};
                     windowClass.lpfnWndProc = LateRenderer;
                     windowClass.lpszClassName = L"QuickPasteTestLateRenderer";
                     RegisterClassW(&windowClass);
                     lateOwner = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0,
                                                 HWND_MESSAGE, nullptr, nullptr, nullptr);
                     ASSERT_TRUE(OpenClipboard(lateOwner));
                     EmptyClipboard();
                     SetClipboardData(CF_UNICODETEXT, nullptr);
                     CloseClipboard();
                   }),
                   L"rendered late");
       }},
      {"settings line of 1 MB",
       [] { WriteFileBytes(SettingsFilePath(), SettingsFileWith(std::string(1 << 20, 'x'))); }, L"",
       [](HWND window) { EXPECT_FALSE(IsChecked(window)); }},
      {"settings file that is a folder",
       [] { ASSERT_TRUE(CreateDirectoryW(SettingsFilePath().c_str(), nullptr)); }, L"",
       [](HWND window) {
         EXPECT_FALSE(IsChecked(window));
         ClickCheckBox(window);
         EXPECT_TRUE(WaitUntil([&] { return IsChecked(window); }, 3000));
         EXPECT_TRUE(GetFileAttributesW(SettingsFilePath().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
         RemoveDirectoryW(SettingsFilePath().c_str());
       }},
      {"settings file locked for writing by another program",
       [&] {
         WriteFileBytes(SettingsFilePath(), SettingsFileWith(kOn));
         lockedFile = CreateFileW(SettingsFilePath().c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
         ASSERT_NE(lockedFile, INVALID_HANDLE_VALUE);
       },
       L"",
       [&](HWND window) {
         EXPECT_TRUE(IsChecked(window)) << "reading is still allowed";
         ClickCheckBox(window);
         EXPECT_TRUE(WaitUntil([&] { return !IsChecked(window); }, 3000));
         PumpMessagesFor(300);
         CloseHandle(lockedFile);
         EXPECT_EQ(ReadFileBytes(SettingsFilePath()), SettingsFileWith(kOn))
             << "the write could not happen; the file keeps what it had";
       }},
      {"section repeated twice",
       [] { WriteFileBytes(SettingsFilePath(), SettingsFileWith(kOff) + SettingsFileWith(kOn)); },
       L"", [](HWND window) { EXPECT_FALSE(IsChecked(window)) << "the first section counts"; }},
      {"program path of MAX_PATH - 1 bytes",
       {},
       longFolder + L"\\quickpaste.exe",
       [&](HWND window) {
         ClickCheckBox(window);
         ASSERT_TRUE(WaitUntil(
             [&] { return RunValue(HKEY_LOCAL_MACHINE, L"quickpaste.exe").has_value(); }, 3000));
         EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE, L"quickpaste.exe"),
                   longFolder + L"\\quickpaste.exe");
       }},
      {"Startup shortcut name longer than MAX_PATH",
       {},
       L"C:\\s\\" + longName,
       [&](HWND window) {
         ClickCheckBox(window);
         ASSERT_TRUE(
             WaitUntil([&] { return RunValue(HKEY_LOCAL_MACHINE, longName).has_value(); }, 3000));
         ClickCheckBox(window);
         EXPECT_TRUE(WaitUntil(
             [&] { return ReadFileBytes(SettingsFilePath()) == SettingsFileWith(kOff); }, 3000));
         EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE, longName), std::nullopt);
       }},
  };
  for (const HostileCase& c : cases) {
    SCOPED_TRACE(c.name);
    ResetProgramState();
    if (c.before) c.before();
    std::wstring exe = ProgramPath();
    if (!c.exe.empty()) {
      const size_t slash = c.exe.rfind(L'\\');
      exe = CopyProgramTo(c.exe.substr(0, slash), c.exe.substr(slash + 1));
    }
    {
      RunningProgram program(exe);
      HWND window = program.WaitForReadyWindow();
      ASSERT_TRUE(window);
      c.work(window);
      EXPECT_TRUE(program.IsRunning()) << "the program died";
      PostMessageW(window, WM_CLOSE, 0, 0);
      EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    }
    if (!c.exe.empty()) {
      DeleteFileW(exe.c_str());
      RemoveDirectoryW(exe.substr(0, exe.rfind(L'\\')).c_str());
    }
    if (lateOwner) DestroyWindow(std::exchange(lateOwner, nullptr));
  }
}

TEST(HostileInput, TextBlockWithoutTerminatingZero) {
  RunningProgram program;
  HWND window = program.WaitForReadyWindow();
  ASSERT_TRUE(window);
  const std::wstring pasted = PasteWith([] { PutRawText(std::string("a\0b\0c\0", 6)); });
  EXPECT_TRUE(program.IsRunning());
  if (RunningUnderWine()) {
    GTEST_SKIP() << "Wine's GetClipboardData ends an unterminated text itself, over its last "
                    "character (pasted: \""
                 << testing::PrintToString(pasted)
                 << "\"); the program's own bound is tested in-process by "
                    "ClipboardText.LengthStopsAtTheEndOfTheBlock";
  }
  EXPECT_EQ(pasted, L"abc");
}
