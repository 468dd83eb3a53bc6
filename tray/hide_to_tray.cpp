#include "tray/hide_to_tray.h"

#include <utility>

namespace {

// The TrayIcon state: the icon the notification area shows, owned here. Touched only on
// the GUI thread.
UniqueHicon trayIcon;

}  // namespace

// A new icon every time: the shell may have let go of the old one. The old handle is
// destroyed only after the shell has been given the new one.
void HideToTray(HWND mainWindow) {
  ShowWindow(mainWindow, SW_HIDE);
  UniqueHicon icon = MakeTrayIcon();
  if (icon) {
    if (trayIcon)
      ModifyTrayIcon(mainWindow, icon.get());
    else
      AddTrayIcon(mainWindow, icon.get());
    trayIcon = std::move(icon);
  } else if (trayIcon) {
    DeleteTrayIcon(mainWindow);
    trayIcon.reset();
  }
}

void HandleHideRequest(HWND mainWindow) {
  HideToTray(mainWindow);
}

void RemoveTrayIcon(HWND mainWindow) {
  if (!trayIcon) return;
  DeleteTrayIcon(mainWindow);
  trayIcon.reset();
}

HICON TrayIconHandle() {
  return trayIcon.get();
}
