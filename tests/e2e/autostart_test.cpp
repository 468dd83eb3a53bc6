#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/input.h"
#include "support/program.h"
#include "support/system_state.h"
#include "support/wait.h"

namespace {

constexpr int kCheckBoxId = 1002;
const std::wstring kExeName = L"quickpaste.exe";

bool IsChecked(HWND window) {
  return SendMessageW(GetDlgItem(window, kCheckBoxId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

POINT CentreOfCheckBox(HWND window) {
  RECT rect;
  GetWindowRect(GetDlgItem(window, kCheckBoxId), &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool WaitForSettings(const std::string& value) {
  return WaitUntil([&] { return ReadFileBytes(SettingsFilePath()) == SettingsFileWith(value); },
                   5000);
}

void CloseProgram(RunningProgram& program, HWND window) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0)) << "the program did not end cleanly";
}

const std::string kOn = "\xD5\xE6";   // 真
const std::string kOff = "\xBC\xD9";  // 假

}  // namespace

TEST(Autostart, BoxShowsTheStoredChoiceAndStartWritesNothing) {
  std::string random(4096, '\0');
  unsigned seed = 12345;
  for (char& c : random) c = static_cast<char>((seed = seed * 1103515245 + 12345) >> 16);
  const struct {
    const char* name;
    std::optional<std::string> file;
    bool checked;
  } cases[] = {
      {"no file", std::nullopt, false},
      {"on", SettingsFileWith(kOn), true},
      {"off", SettingsFileWith(kOff), false},
      {"1", SettingsFileWith("1"), false},
      {"on twice", SettingsFileWith(kOn + kOn), false},
      {"empty value", SettingsFileWith(""), false},
      {"on in UTF-8", SettingsFileWith("\xE7\x9C\x9F"), false},
      {"20 KB value", SettingsFileWith(kOn + std::string(20 * 1024, 'x')), false},
      {"random bytes", random, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetProgramState();
    if (c.file) {
      ASSERT_TRUE(WriteFileBytes(SettingsFilePath(), *c.file));
    }
    const std::optional<FILETIME> writtenAt = LastWriteTime(SettingsFilePath());
    RunningProgram program;
    HWND window = program.WaitForMainWindow();
    ASSERT_TRUE(window);
    EXPECT_EQ(IsChecked(window), c.checked);
    CloseProgram(program, window);
    EXPECT_EQ(ReadFileBytes(SettingsFilePath()), c.file) << "start must not write the file";
    const std::optional<FILETIME> after = LastWriteTime(SettingsFilePath());
    ASSERT_EQ(after.has_value(), writtenAt.has_value());
    if (after) {
      EXPECT_EQ(CompareFileTime(&*after, &*writtenAt), 0) << "the file was touched";
    }
    EXPECT_EQ(RunValueCount(HKEY_LOCAL_MACHINE) + RunValueCount(HKEY_CURRENT_USER), 0);
  }
}

TEST(Autostart, ClickingTheBoxTurnsStartWithSystemOnAndOff) {
  RunningProgram program;
  HWND window = program.WaitForReadyWindow();
  ASSERT_TRUE(window);

  ClickAt(CentreOfCheckBox(window));
  ASSERT_TRUE(WaitForSettings(kOn)) << testing::PrintToString(ReadFileBytes(SettingsFilePath()));
  EXPECT_TRUE(IsChecked(window));
  EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE, kExeName), ProgramPath()) << "no spaces: no quotes";
  EXPECT_EQ(RunValueCount(HKEY_LOCAL_MACHINE), 1);
  EXPECT_EQ(RunValueCount(HKEY_CURRENT_USER), 0);

  // The click left the focus on the box: the space bar clicks it again.
  TapKey(VK_SPACE);
  ASSERT_TRUE(WaitForSettings(kOff)) << testing::PrintToString(ReadFileBytes(SettingsFilePath()));
  EXPECT_FALSE(IsChecked(window));
  EXPECT_EQ(RunValueCount(HKEY_LOCAL_MACHINE) + RunValueCount(HKEY_CURRENT_USER), 0);
  CloseProgram(program, window);
}

TEST(Autostart, UsesTheUsersRunKeyWhenTheMachineKeyIsUnavailable) {
  ASSERT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, kRunKey), ERROR_SUCCESS);
  RunningProgram program;
  HWND window = program.WaitForReadyWindow();
  ASSERT_TRUE(window);

  ClickAt(CentreOfCheckBox(window));
  ASSERT_TRUE(WaitForSettings(kOn));
  EXPECT_EQ(RunValue(HKEY_CURRENT_USER, kExeName), ProgramPath());
  HKEY machineKey;
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, &machineKey), ERROR_SUCCESS)
      << "the machine-wide key must not be created";

  TapKey(VK_SPACE);
  ASSERT_TRUE(WaitForSettings(kOff));
  EXPECT_EQ(RunValue(HKEY_CURRENT_USER, kExeName), std::nullopt);
  CloseProgram(program, window);
}

TEST(Autostart, ClearingTheBoxDeletesTheStartupShortcut) {
  const std::wstring shortcut = StartupFolder() + L"\\" + kExeName + L".lnk";
  CreateDirectoryW(StartupFolder().c_str(), nullptr);
  ASSERT_TRUE(WriteFileBytes(shortcut, "not really a shortcut"));
  ASSERT_TRUE(WriteFileBytes(SettingsFilePath(), SettingsFileWith(kOn)));
  RunningProgram program;
  HWND window = program.WaitForReadyWindow();
  ASSERT_TRUE(window);
  ASSERT_TRUE(IsChecked(window));

  ClickAt(CentreOfCheckBox(window));
  ASSERT_TRUE(WaitForSettings(kOff));
  EXPECT_EQ(GetFileAttributesW(shortcut.c_str()), INVALID_FILE_ATTRIBUTES)
      << "shortcut still there";
  CloseProgram(program, window);
}

TEST(Autostart, RunValueHoldsTheProgramsRealPath) {
  const struct {
    const char* name;
    std::wstring folder;  // with its trailing backslash
    std::wstring exeName;
    bool quoted;
  } cases[] = {
      {"folder with spaces", L"C:\\quick paste test\\", kExeName, true},
      // 乗 is 81 5C in GBK: its second byte looks like a backslash.
      {"double-byte character ending in 0x5C", L"C:\\\u4e57\\", L"\u4e57paste.exe", false},
      {"root of a drive", L"Q:\\", kExeName, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetProgramState();
    CreateDirectoryW(c.folder.c_str(), nullptr);
    const std::wstring exe = c.folder + c.exeName;
    const BOOL copied = CopyFileW(ProgramPath().c_str(), exe.c_str(), FALSE);
    const DWORD error = GetLastError();
    ASSERT_TRUE(copied) << "error " << error;
    {
      RunningProgram program(exe);
      HWND window = program.WaitForReadyWindow();
      ASSERT_TRUE(window);
      ClickAt(CentreOfCheckBox(window));
      ASSERT_TRUE(WaitForSettings(kOn));
      EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE, c.exeName), c.quoted ? L"\"" + exe + L"\"" : exe);
      EXPECT_EQ(RunValueCount(HKEY_LOCAL_MACHINE), 1);
      CloseProgram(program, window);
    }
    DeleteFileW(exe.c_str());
    if (c.folder.size() > 3) RemoveDirectoryW(c.folder.c_str());
  }
}
