// The test's own side of the desktop: a window to paste into, and a low-level keyboard
// hook that records the key events that reach the system.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A top-level window of the test, made the foreground window so that synthesised keys
// reach it. With an edit control it is a paste target; without one, Ctrl+V does
// nothing there.
class TargetWindow {
 public:
  explicit TargetWindow(bool withEdit);
  TargetWindow(const TargetWindow&) = delete;
  TargetWindow& operator=(const TargetWindow&) = delete;
  ~TargetWindow();

  // Makes the window the foreground window and focuses the edit; false after the deadline.
  bool Activate();
  std::wstring EditText() const;
  HWND window() const { return window_; }

 private:
  HWND window_ = nullptr;
  HWND edit_ = nullptr;
};

struct KeyEvent {
  DWORD virtualKey;
  bool up;
  DWORD scanCode;
  bool injected;
  bool operator==(const KeyEvent&) const = default;
};

std::ostream& operator<<(std::ostream& out, const KeyEvent& event);

// Records every key event while it lives. One at a time per process.
class KeyRecorder {
 public:
  KeyRecorder();
  KeyRecorder(const KeyRecorder&) = delete;
  KeyRecorder& operator=(const KeyRecorder&) = delete;
  ~KeyRecorder();

  // The recorded events other than those of Scroll Lock, which the tests press.
  std::vector<KeyEvent> EventsBesidesScrollLock() const;
  // Waits until a release of V is recorded: the paste's Ctrl+V has gone out.
  bool WaitForVRelease(DWORD timeoutMs = 5000) const;
  void Clear();

 private:
  HHOOK hook_;
};
