// Hiding MainWindow to the notification area, on request and by the auto-hide worker.
#pragma once

#include <windows.h>

inline constexpr UINT kTrayCallbackMessage = WM_APP + 100;
// Sent by the auto-hide worker, so that every hide runs on the GUI thread.
inline constexpr UINT kHideToTrayMessage = WM_APP + 101;

void HideToTray(HWND mainWindow);
void HandleHideRequest(HWND mainWindow);
void StartAutoHideWorker(HWND mainWindow);
void RemoveTrayIcon(HWND mainWindow);
void HandleTrayCallback(LPARAM mouseMessage);
