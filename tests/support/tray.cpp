#include "support/tray.h"

#include <shellapi.h>

bool TrayIconIsUp(HWND programWindow) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);
  record.hWnd = programWindow;
  record.uID = 100;
  record.uFlags = 0;
  return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

bool IsLiveIcon(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return false;
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return true;
}
