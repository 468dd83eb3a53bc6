// Routes system-wide hotkeys registered on one window to a target window, as
// WM_HOTKEY_NOTIFY with the hotkey's identifier.
#pragma once

#include <windows.h>

#include <cstdint>

inline constexpr UINT WM_HOTKEY_NOTIFY = WM_APP + 0x75;
inline constexpr std::uint32_t kFirstHotkeyId = 33001;

// Modifiers: 1 Ctrl, 2 Shift, 4 Alt, added up. Returns the hotkey's identifier, or 0
// when the system refused the hotkey.
std::int32_t RegisterRoutedHotkey(HWND hotkeyWindow, HWND targetWindow, std::int32_t modifiers,
                                  std::int32_t key);

LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
