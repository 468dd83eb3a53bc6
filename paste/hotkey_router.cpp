#include "paste/hotkey_router.h"

namespace {

// The router state: one per process, written only by RegisterRoutedHotkey.
struct HotkeyRouter {
  std::int32_t callsSoFar = 0;
  std::uint32_t lastId = 0;
  HWND target = nullptr;
  WNDPROC previousWindowProc = nullptr;
};
HotkeyRouter router;

UINT SystemModifierFlags(std::int32_t modifiers) {
  switch (modifiers) {
    case 0:
      return 0;
    case 1:
      return MOD_CONTROL;
    case 2:
      return MOD_SHIFT;
    case 3:
      return MOD_CONTROL | MOD_SHIFT;
    case 4:
      return MOD_ALT;
    case 5:
      return MOD_CONTROL | MOD_ALT;
    case 6:
      return MOD_SHIFT | MOD_ALT;
    default:
      return static_cast<UINT>(modifiers);
  }
}

bool IsRoutedId(WPARAM id) {
  return id >= kFirstHotkeyId && id <= router.lastId;
}

}  // namespace

// Every call takes a new identifier, even one the system then refuses, and only the
// first window ever given is subclassed.
std::int32_t RegisterRoutedHotkey(HWND hotkeyWindow, HWND targetWindow, std::int32_t modifiers,
                                  std::int32_t key) {
  router.target = targetWindow;
  const UINT flags = SystemModifierFlags(modifiers);
  if (!router.previousWindowProc) {
    router.previousWindowProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        hotkeyWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HotkeyWindowProc)));
  }
  router.callsSoFar += 1;
  router.lastId = kFirstHotkeyId - 1 + static_cast<std::uint32_t>(router.callsSoFar);
  const auto id = static_cast<std::int32_t>(router.lastId);
  return RegisterHotKey(hotkeyWindow, id, flags, static_cast<UINT>(key)) ? id : 0;
}

// The notification is sent, not posted: the target has finished with the press before
// WM_HOTKEY goes on to the window's own procedure.
LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY && IsRoutedId(wParam))
    SendMessageA(router.target, WM_HOTKEY_NOTIFY, wParam, 0);
  return CallWindowProcA(router.previousWindowProc, window, message, wParam, lParam);
}
