#include "app/main_window.h"

#include "app/label.h"
#include "app/touch_state.h"
#include "autostart/autostart_toggle.h"
#include "paste/hotkey_router.h"
#include "tray/hide_to_tray.h"

namespace {

constexpr char kMainClassName[] = "QuickPasteMain";
constexpr char kOwnerClassName[] = "QuickPasteOwner";
constexpr int kWindowIconResource = 1;

// MainWindow keeps its own small state in its window extra bytes: the control to give
// the focus back to, and which of its one-time events have happened.
constexpr int kExtraFocus = 0;
constexpr int kExtraFlags = sizeof(LONG_PTR);
constexpr LONG_PTR kFlagActivated = 1;
constexpr LONG_PTR kFlagShown = 2;

bool HasFlag(HWND window, LONG_PTR flag) {
  return (GetWindowLongPtrA(window, kExtraFlags) & flag) != 0;
}

void SetFlag(HWND window, LONG_PTR flag) {
  SetWindowLongPtrA(window, kExtraFlags, GetWindowLongPtrA(window, kExtraFlags) | flag);
}

struct ControlLayout {
  int id;
  const wchar_t* className;
  const wchar_t* text;
  int left, top, width, height;
  DWORD style;
};

// The texts are given through the wide-character functions so they read right on any
// system, not only where the ANSI code page is 936.
const ControlLayout kControls[] = {
    // 快捷粘贴启动
    {kLabelId, kLabelClassName, L"\u5feb\u6377\u7c98\u8d34\u542f\u52a8", 24, 16, 80, 32, 0},
    // 开机自启动
    {kCheckBoxId, L"BUTTON", L"\u5f00\u673a\u81ea\u542f\u52a8", 24, 72, 80, 24,
     BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER | WS_TABSTOP},
    // 隐藏
    {kHideButtonId, L"BUTTON", L"\u9690\u85cf", 144, 72, 48, 24,
     BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP},
};

// The first activation is the moment the user first sees the window: the auto-hide
// countdown starts from there, after the window has painted.
LRESULT OnActivate(HWND window, WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) SetWindowLongPtrA(window, kExtraFocus, LONG_PTR(focus));
  }
  const LRESULT result = DefWindowProcA(window, WM_ACTIVATE, wParam, lParam);
  if (LOWORD(wParam) != WA_INACTIVE && !HasFlag(window, kFlagActivated)) {
    SetFlag(window, kFlagActivated);
    UpdateWindow(window);
    HandleFirstActivation(window);
  }
  return result;
}

// Like a dialog: the focus goes back to the control that had it, or to the hide button
// the first time.
void OnSetFocus(HWND window) {
  HWND target = reinterpret_cast<HWND>(GetWindowLongPtrA(window, kExtraFocus));
  if (!target || !IsWindow(target)) target = GetDlgItem(window, kHideButtonId);
  SetFocus(target);
}

// Moves made while the window is built and shown are the program's, not the user's.
LRESULT OnMove(HWND window, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefWindowProcA(window, WM_MOVE, wParam, lParam);
  if (HasFlag(window, kFlagShown)) HandleWindowMoved();
  return result;
}

void OnCommand(HWND window, WPARAM wParam) {
  if (HIWORD(wParam) != BN_CLICKED) return;
  switch (LOWORD(wParam)) {
    case kCheckBoxId:
      HandleAutostartToggle(window);
      break;
    case kHideButtonId:
      HandleHideRequest(window);
      break;
  }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      return OnActivate(window, wParam, lParam);
    case WM_SETFOCUS:
      OnSetFocus(window);
      return 0;
    case WM_MOVE:
      return OnMove(window, wParam, lParam);
    case WM_COMMAND:
      OnCommand(window, wParam);
      return 0;
    case WM_DESTROY:
      RemoveTrayIcon(window);
      return 0;
    case WM_NCDESTROY:
      PostQuitMessage(0);
      break;
    case WM_QUERYENDSESSION:
      return TRUE;
    case kTrayCallbackMessage:
      // The icon only shows that the program is resident: clicks on it do nothing.
      return 0;
    case kHideToTrayMessage:
      HideToTray(window);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterMainClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.cbWndExtra = 2 * sizeof(LONG_PTR);
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainClassName;
  return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateMainWindow(HINSTANCE instance, HWND owner) {
  if (!RegisterMainClass(instance)) return nullptr;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2;
  HWND window = CreateWindowExA(
      0, kMainClassName, "",
      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, left, top,
      kMainWindowWidth, kMainWindowHeight, owner, nullptr, instance, nullptr);
  if (!window) return nullptr;
  RECT outer;
  GetWindowRect(window, &outer);
  if (outer.right - outer.left != kMainWindowWidth || outer.bottom - outer.top != kMainWindowHeight)
    MoveWindow(window, left, top, kMainWindowWidth, kMainWindowHeight, FALSE);
  return window;
}

// One 64x64 image serves as both icons; Windows scales it where it draws them.
void SetWindowIcons(HWND window, HINSTANCE instance) {
  auto icon = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(kWindowIconResource), IMAGE_ICON, 64, 64, LR_SHARED));
  SendMessageA(window, WM_SETICON, ICON_BIG, LPARAM(icon));
  SendMessageA(window, WM_SETICON, ICON_SMALL, LPARAM(icon));
}

bool CreateControls(HWND window, HINSTANCE instance) {
  if (!RegisterLabelClass(instance)) return false;
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  for (const ControlLayout& control : kControls) {
    HWND child = CreateWindowExW(0, control.className, control.text,
                                 WS_CHILD | WS_CLIPSIBLINGS | control.style, control.left,
                                 control.top, control.width, control.height, window,
                                 reinterpret_cast<HMENU>(INT_PTR(control.id)), instance, nullptr);
    if (!child) return false;
    SendMessageW(child, WM_SETFONT, WPARAM(font), FALSE);
  }
  SendMessageW(GetDlgItem(window, kCheckBoxId), BM_SETCHECK, BST_UNCHECKED, 0);
  for (const ControlLayout& control : kControls)
    ShowWindow(GetDlgItem(window, control.id), SW_SHOWNA);
  return true;
}

}  // namespace

HWND CreateHiddenOwnerWindow(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  windowClass.lpszClassName = kOwnerClassName;
  if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    return nullptr;
  return CreateWindowExA(WS_EX_TOOLWINDOW, kOwnerClassName, "", 0, 0, 0, 0, 0, nullptr, nullptr,
                         instance, nullptr);
}

HWND LoadMainWindow(HINSTANCE instance, HWND owner) {
  HWND window = CreateMainWindow(instance, owner);
  if (!window) return nullptr;
  SetWindowIcons(window, instance);
  SendMessageA(window, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  if (!CreateControls(window, instance)) {
    DestroyWindow(window);
    return nullptr;
  }
  HandleWindowReady(window);
  ShowWindow(window, SW_SHOW);
  SetFlag(window, kFlagShown);
  return window;
}

// The hotkey is registered before the check box is restored, and the window counts as
// untouched only once both are done.
void HandleWindowReady(HWND mainWindow) {
  RegisterRoutedHotkey(mainWindow, GetDlgItem(mainWindow, kLabelId), 0, VK_SCROLL);
  RestoreAutostartCheckBox(GetDlgItem(mainWindow, kCheckBoxId));
  WindowTouchState.store(kUntouched);
}

void HandleFirstActivation(HWND mainWindow) {
  StartAutoHideWorker(mainWindow);
}
