#include "app/label.h"

#include "paste/hotkey_router.h"
#include "paste/paste_hotkey.h"

namespace {

// Drawn with the wide-character functions so that the text reads right whatever the
// system's ANSI code page is.
void PaintLabel(HWND label) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  RECT client;
  GetClientRect(label, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  wchar_t text[64];
  const int length = GetWindowTextW(label, text, ARRAYSIZE(text));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  DrawTextW(dc, text, length, &client, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  EndPaint(label, &paint);
}

// The paste runs inside the sent notification, so the hotkey's WM_HOTKEY goes on only
// after the clipboard has been rewritten and Ctrl+V queued.
LRESULT OnHotkeyNotify(HWND label, WPARAM identifier, LPARAM reserved) {
  HandlePasteHotkey(GetAncestor(label, GA_ROOT), static_cast<std::int32_t>(identifier),
                    static_cast<std::int32_t>(reserved));
  return 0;
}

LRESULT CALLBACK LabelWindowProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintLabel(label);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT));
    case WM_HOTKEY_NOTIFY:
      return OnHotkeyNotify(label, wParam, lParam);
  }
  return DefWindowProcW(label, message, wParam, lParam);
}

}  // namespace

bool RegisterLabelClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = LabelWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  windowClass.lpszClassName = kLabelClassName;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
