#pragma once

#include <windows.h>

// Whether the shell holds the program's tray icon (window, identifier 100): it accepts
// a change of nothing only for an icon it holds.
bool TrayIconIsUp(HWND programWindow);

// Whether an icon handle still names an icon: a destroyed one does not.
bool IsLiveIcon(HICON icon);
