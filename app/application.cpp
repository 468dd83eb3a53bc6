#include "app/application.h"

#include <cstdint>

#include "app/main_window.h"
#include "app/touch_state.h"
#include "app/unique.h"
#include "autostart/executable_path.h"

namespace {

bool IsKeyDown(int key) {
  return GetKeyState(key) < 0;
}

std::uint32_t ModifierState() {
  return (IsKeyDown(VK_CONTROL) ? 1u : 0u) | (IsKeyDown(VK_SHIFT) ? 2u : 0u) |
         (IsKeyDown(VK_MENU) ? 4u : 0u);
}

void MoveFocusToNextTabStop(HWND mainWindow, bool backwards) {
  HWND next = GetNextDlgTabItem(mainWindow, GetFocus(), backwards);
  if (next) SetFocus(next);
}

// The window behaves like a small dialog without being one: a dialog manager would
// also take Enter and Esc for default and cancel buttons, which this window has not.
bool HandleWindowKey(HWND mainWindow, const MSG& message) {
  const bool ctrl = IsKeyDown(VK_CONTROL);
  const bool shift = IsKeyDown(VK_SHIFT);
  const bool alt = IsKeyDown(VK_MENU);
  switch (message.wParam) {
    case VK_ESCAPE:
      if (ctrl || shift || alt) return false;
      SendMessageA(mainWindow, WM_CLOSE, 0, 0);
      return true;
    case VK_TAB:
      if (ctrl || alt) return false;
      MoveFocusToNextTabStop(mainWindow, shift);
      return true;
    case VK_RETURN:
    case VK_F1:
      return true;
  }
  // Alt with a letter would look for a menu mnemonic and beep.
  return message.message == WM_SYSKEYDOWN && message.wParam >= 'A' && message.wParam <= 'Z';
}

}  // namespace

bool PreTranslateMainWindowMessage(HWND mainWindow, const MSG& message) {
  if (message.message == WM_LBUTTONUP && message.hwnd == mainWindow) {
    HandleWindowClick(LOWORD(message.lParam), HIWORD(message.lParam), ModifierState());
    return false;
  }
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (message.hwnd != mainWindow && !IsChild(mainWindow, message.hwnd)) return false;
  return HandleWindowKey(mainWindow, message);
}

int RunMessageLoop(HWND mainWindow) {
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (PreTranslateMainWindowMessage(mainWindow, message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

int RunApplication(HINSTANCE instance) {
  DeriveExecutablePath();
  HWND owner = CreateHiddenOwnerWindow(instance);
  HWND mainWindow = LoadMainWindow(instance, owner);
  if (!mainWindow) ExitOnFatalError();
  const int exitCode = RunMessageLoop(mainWindow);
  if (owner) DestroyWindow(owner);
  return exitCode;
}
