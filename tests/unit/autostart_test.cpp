#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "autostart/autostart_entry.h"
#include "autostart/executable_path.h"
#include "autostart/settings_file.h"
#include "support/program.h"
#include "support/system_state.h"
#include "support/wait.h"

namespace {

std::string Text(const HeapText& text) {
  return text ? text.get() : "<null>";
}

}  // namespace

TEST(TextCompare, NullEqualsEmptyAndBytesCompareUnsigned) {
  const struct {
    const char* a;
    const char* b;
    int expected;
  } cases[] = {
      {nullptr, nullptr, 0},
      {nullptr, "", 0},
      {"", nullptr, 0},
      {nullptr, "a", -1},
      {"a", nullptr, 1},
      {"abc", "abc", 0},
      {"ab", "abc", -1},
      {"abc", "ab", 1},
      {"\xD5\xE6", "\xD5\xE6", 0},
      {"\x7F", "\x80", -1},
      {"\xBC\xD9", "\xD5\xE6", -1},  // 假 < 真 as unsigned bytes
      {"\xD5\xE6\xD5\xE6", "\xD5\xE6", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.a ? c.a : "null") << " vs " << (c.b ? c.b : "null"));
    EXPECT_EQ(TextCompare(c.a, c.b), c.expected);
  }
}

TEST(ExecutablePath, SplitsAtTheLastRealBackslash) {
  const struct {
    const char* path;
    const char* directory;
    const char* name;
  } cases[] = {
      {"C:\\tools\\quickpaste.exe", "C:\\tools", "quickpaste.exe"},
      {"C:\\quickpaste.exe", "C:", "quickpaste.exe"},
      {"quickpaste.exe", "<null>", "quickpaste.exe"},
      {"C:\\tools\\", "C:\\tools", "<null>"},
      // 乗 (81 5C) in the name: its trail byte is not a backslash.
      {"C:\\\x81\x5C\\\x81\x5Cpaste.exe", "C:\\\x81\x5C", "\x81\x5Cpaste.exe"},
      {"C:\\a b\\\x81\x5C", "C:\\a b", "\x81\x5C"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    DeriveExecutablePathFrom(c.path);
    EXPECT_EQ(Text(RunDirectory()), c.directory);
    EXPECT_EQ(Text(ExecutableName()), c.name);
  }
}

TEST(ExecutablePath, TextConcatJoinsAndIsNeverNull) {
  EXPECT_EQ(Text(TextConcat({"C:", "\\", "a.exe"})), "C:\\a.exe");
  EXPECT_EQ(Text(TextConcat({nullptr, "\\", nullptr})), "\\");
  EXPECT_EQ(Text(TextConcat({nullptr})), "");
  EXPECT_EQ(Text(TextConcat({"", ""})), "");
}

class AutostartEntry : public testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }
};

TEST_F(AutostartEntry, RegisteringTwiceKeepsOneValueWithTheLatestPath) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string first = std::string(windows) + "\\notepad.exe";
  const std::string second = std::string(windows) + "\\regedit.exe";
  EXPECT_EQ(RegisterAutostart("app.exe", first.c_str()), 1);
  EXPECT_EQ(RegisterAutostart("app.exe", second.c_str()), 1);
  EXPECT_EQ(RunValueCount(HKEY_LOCAL_MACHINE), 1);
  EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE, L"app.exe"), std::wstring(second.begin(), second.end()));
  // A path that does not exist is not registered, and nothing is touched.
  EXPECT_EQ(RegisterAutostart("gone.exe", "C:\\no such folder\\gone.exe"), 0);
  EXPECT_EQ(RunValueCount(HKEY_LOCAL_MACHINE), 1);
  EXPECT_EQ(RemoveAutostart("app.exe"), 1);
  EXPECT_EQ(RemoveAutostart("app.exe"), 0) << "removing twice";
  EXPECT_EQ(RunValueCount(HKEY_LOCAL_MACHINE), 0);
}

namespace {

std::vector<LONG> shellEvents;

LRESULT CALLBACK ShellEventWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) {
    shellEvents.push_back(static_cast<LONG>(lParam));
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

TEST_F(AutostartEntry, RemovingNothingReturnsZeroAndStillTellsTheShell) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ShellEventWindowProc;
  windowClass.lpszClassName = L"ShellEvents";
  RegisterClassW(&windowClass);
  HWND listener = CreateWindowExW(0, L"ShellEvents", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  nullptr, nullptr);
  PIDLIST_ABSOLUTE startup = nullptr;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_STARTUP, &startup), S_OK);
  SHChangeNotifyEntry entry{startup, TRUE};
  const ULONG registration =
      SHChangeNotifyRegister(listener, SHCNRF_ShellLevel | SHCNRF_InterruptLevel,
                             SHCNE_DELETE | SHCNE_UPDATEDIR, WM_APP, 1, &entry);
  ASSERT_NE(registration, 0u);

  EXPECT_EQ(RemoveAutostart("nothing-registered.exe"), 0);
  if (RunningUnderWine()) {
    GTEST_SKIP() << "Wine's SHChangeNotify drops any event combined with SHCNE_INTERRUPT "
                    "(\"mutually incompatible events listed\"); Windows delivers both";
  }
  EXPECT_TRUE(WaitUntil([] { return shellEvents.size() >= 2; }, 3000))
      << shellEvents.size() << " shell notifications";
  ASSERT_EQ(shellEvents.size(), 2u);
  EXPECT_EQ(shellEvents[0], SHCNE_DELETE);
  EXPECT_EQ(shellEvents[1], SHCNE_UPDATEDIR);
  SHChangeNotifyDeregister(registration);
  CoTaskMemFree(startup);
  DestroyWindow(listener);
}

TEST_F(AutostartEntry, SettingsValueRoundTripsAsGbkBytes) {
  EXPECT_EQ(Text(ReadIniText(kSettingsFile, kSettingsSection, kSettingsKey)), "<null>");
  EXPECT_TRUE(WriteIniText(kSettingsFile, kSettingsSection, kSettingsKey, kSettingOn));
  EXPECT_EQ(Text(ReadIniText(kSettingsFile, kSettingsSection, kSettingsKey)), kSettingOn);
  EXPECT_EQ(ReadFileBytes(SettingsFilePath()), SettingsFileWith("\xD5\xE6"));
}
