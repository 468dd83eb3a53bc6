#include "support/desktop.h"

#include <gtest/gtest.h>

#include <ostream>

#include "support/wait.h"

namespace {

constexpr wchar_t kTargetClass[] = L"QuickPasteTestTarget";

std::vector<KeyEvent> recordedEvents;

LRESULT CALLBACK RecordKey(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    // Windows reports a generic Ctrl as the left one, Wine as the generic code: both are
    // "Ctrl" here.
    const DWORD key = info->vkCode == VK_LCONTROL ? VK_CONTROL : info->vkCode;
    recordedEvents.push_back({key, wParam == WM_KEYUP || wParam == WM_SYSKEYUP, info->scanCode,
                              (info->flags & LLKHF_INJECTED) != 0});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TargetWindow::TargetWindow(bool withEdit) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kTargetClass;
  RegisterClassExW(&windowClass);
  window_ = CreateWindowExW(0, kTargetClass, L"paste target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20,
                            20, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (withEdit) {
    edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL,
                            0, 0, 280, 160, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);
  }
}

TargetWindow::~TargetWindow() {
  DestroyWindow(window_);
}

bool TargetWindow::Activate() {
  HWND focus = edit_ ? edit_ : window_;
  return WaitUntil(
      [&] {
        if (GetForegroundWindow() != window_) SetForegroundWindow(window_);
        if (GetForegroundWindow() == window_ && GetFocus() != focus) SetFocus(focus);
        return GetForegroundWindow() == window_ && GetFocus() == focus;
      },
      5000);
}

std::wstring TargetWindow::EditText() const {
  std::wstring text(GetWindowTextLengthW(edit_) + 1, L'\0');
  text.resize(GetWindowTextW(edit_, text.data(), static_cast<int>(text.size())));
  return text;
}

std::ostream& operator<<(std::ostream& out, const KeyEvent& event) {
  return out << "{vk 0x" << std::hex << event.virtualKey << std::dec << (event.up ? " up" : " down")
             << ", scan " << event.scanCode << (event.injected ? ", injected}" : "}");
}

KeyRecorder::KeyRecorder() {
  recordedEvents.clear();
  hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, RecordKey, GetModuleHandleW(nullptr), 0);
  const DWORD error = GetLastError();
  EXPECT_TRUE(hook_) << "SetWindowsHookEx failed, error " << error;
}

KeyRecorder::~KeyRecorder() {
  if (hook_) UnhookWindowsHookEx(hook_);
}

std::vector<KeyEvent> KeyRecorder::EventsBesidesScrollLock() const {
  std::vector<KeyEvent> events;
  for (const KeyEvent& event : recordedEvents)
    if (event.virtualKey != VK_SCROLL) events.push_back(event);
  return events;
}

bool KeyRecorder::WaitForVRelease(DWORD timeoutMs) const {
  return WaitUntil(
      [] {
        for (const KeyEvent& event : recordedEvents)
          if (event.virtualKey == 'V' && event.up) return true;
        return false;
      },
      timeoutMs);
}

void KeyRecorder::Clear() {
  recordedEvents.clear();
}
