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
