#include "support/program.h"

#include <gtest/gtest.h>

#include "support/wait.h"

bool RunningUnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::wstring ProgramPath() {
  // Built on Linux; Wine shows the Linux root as drive Z:.
  std::string unixPath = QUICKPASTE_EXE;
  std::wstring path = L"Z:";
  for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

namespace {

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t className[64] = {};
  GetClassNameW(window, className, ARRAYSIZE(className));
  if (owner != search->processId || wcscmp(className, search->className) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

struct VisibleWindows {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<VisibleWindows*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window)) search->found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
  VisibleWindows search{processId, {}};
  EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className) {
  WindowSearch search{processId, className, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

RunningProgram::RunningProgram(const std::wstring& exePath) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  std::wstring commandLine = L"\"" + exePath + L"\"";
  const BOOL started = CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                      0, nullptr, nullptr, &startup, &info_);
  const DWORD error = GetLastError();
  EXPECT_TRUE(started) << "CreateProcess failed, error " << error;
}

RunningProgram::~RunningProgram() {
  if (!info_.hProcess) return;
  if (IsRunning()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool RunningProgram::IsRunning() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND RunningProgram::WaitForMainWindow(DWORD timeoutMs) {
  HWND window = nullptr;
  WaitUntil(
      [&] {
        window = FindProcessWindow(processId(), L"QuickPasteMain");
        return window && IsWindowVisible(window);
      },
      timeoutMs);
  return window && IsWindowVisible(window) ? window : nullptr;
}

HWND RunningProgram::WaitForReadyWindow(DWORD timeoutMs) {
  HWND window = WaitForMainWindow(timeoutMs);
  if (!window) return nullptr;
  const bool ready = WaitUntil(
      [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
        return GetForegroundWindow() == window && info.hwndFocus == GetDlgItem(window, 1003);
      },
      timeoutMs);
  return ready ? window : nullptr;
}

std::optional<DWORD> RunningProgram::WaitForExit(DWORD timeoutMs) {
  if (!WaitUntil([&] { return !IsRunning(); }, timeoutMs)) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}
