#include "tray/hide_to_tray.h"

void HideToTray(HWND) {}
void HandleHideRequest(HWND) {}
void StartAutoHideWorker(HWND) {}
void RemoveTrayIcon(HWND) {}
void HandleTrayCallback(LPARAM) {}
