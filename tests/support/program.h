// Starting the built quickpaste.exe and finding its window from outside.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// For skipping where Wine behaves unlike Windows; each skip says why.
bool RunningUnderWine();

// The Windows path of the built program.
std::wstring ProgramPath();

HWND FindProcessWindow(DWORD processId, const wchar_t* className);
// The visible top-level windows of a process.
std::vector<HWND> VisibleWindowsOf(DWORD processId);

class RunningProgram {
 public:
  // Starts the program; fails the calling test when it cannot.
  explicit RunningProgram(const std::wstring& exePath = ProgramPath());
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;
  // Ends the program if a test left it running.
  ~RunningProgram();

  // Waits for MainWindow to be visible; null after the deadline.
  HWND WaitForMainWindow(DWORD timeoutMs = 15000);
  // Waits until MainWindow is also the foreground window with the focus on its hide
  // button: start-up is over and input goes to it.
  HWND WaitForReadyWindow(DWORD timeoutMs = 15000);
  // The exit code, or nullopt when the process is still running at the deadline.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs = 10000);
  bool IsRunning() const;

  DWORD processId() const { return info_.dwProcessId; }
  HANDLE process() const { return info_.hProcess; }

 private:
  PROCESS_INFORMATION info_{};
};
