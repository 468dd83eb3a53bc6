// Hiding MainWindow to the notification area, on request and by the auto-hide worker.
// Every hide runs on the GUI thread, one at a time, so the tray icon state needs no lock.
#pragma once

#include <windows.h>

#include "tray/tray_icon.h"

// Sent by the auto-hide worker to MainWindow, which then hides itself.
inline constexpr UINT kHideToTrayMessage = WM_APP + 101;
inline constexpr DWORD kAutoHideDelayMs = 5000;

void HideToTray(HWND mainWindow);
void HandleHideRequest(HWND mainWindow);
void RemoveTrayIcon(HWND mainWindow);

// The icon now in the notification area, or null: for looking at, not for keeping.
HICON TrayIconHandle();

void StartAutoHideWorker(HWND mainWindow);
DWORD WINAPI RunAutoHideTimer(LPVOID mainWindow);
