#include "app/main_window.h"
#include "app/touch_state.h"
#include "app/unique.h"
#include "tray/hide_to_tray.h"

// Nobody waits for the worker: the end of the process ends it. If it cannot be made,
// the window simply stays.
void StartAutoHideWorker(HWND mainWindow) {
  UniqueHandle worker(CreateThread(nullptr, 0, RunAutoHideTimer, mainWindow, 0, nullptr));
}

// A program started at logon gets out of the way by itself, unless the user has
// started working with its window. The hide itself is asked of the GUI thread, so it
// never races a click on the hide button.
DWORD WINAPI RunAutoHideTimer(LPVOID parameter) {
  HWND mainWindow = static_cast<HWND>(parameter);
  Sleep(kAutoHideDelayMs);
  const bool checked =
      SendMessageW(GetDlgItem(mainWindow, kCheckBoxId), BM_GETCHECK, 0, 0) == BST_CHECKED;
  if (checked && WindowTouchState.load() == kUntouched)
    SendMessageW(mainWindow, kHideToTrayMessage, 0, 0);
  return 0;
}
