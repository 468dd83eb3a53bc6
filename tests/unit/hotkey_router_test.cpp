#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "paste/hotkey_router.h"
#include "support/input.h"
#include "support/wait.h"

namespace {

std::vector<std::pair<WPARAM, LPARAM>> notifications;

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY_NOTIFY) {
    notifications.emplace_back(wParam, lParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateTestWindow(WNDPROC proc, const wchar_t* className) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassW(&windowClass);
  return CreateWindowExW(0, className, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                         nullptr, nullptr, windowClass.hInstance, nullptr);
}

}  // namespace

// The router's own modifier encoding (1 Ctrl, 2 Shift, 4 Alt) differs from the system's
// (1 Alt, 2 Ctrl, 4 Shift): each combination must fire on its own keys only.
TEST(HotkeyRouter, RoutesEachModifierCombinationWithIdentifiersFrom33001) {
  HWND hotkeyWindow = CreateTestWindow(DefWindowProcW, L"RouterHotkeyWindow");
  HWND target = CreateTestWindow(TargetProc, L"RouterTarget");
  const struct {
    std::int32_t modifiers;
    std::initializer_list<WORD> held;
    std::initializer_list<WORD> wrong;  // held instead, must not fire
    WORD key;
  } cases[] = {
      {0, {}, {VK_CONTROL}, VK_F2},
      {1, {VK_CONTROL}, {VK_MENU}, VK_F6},
      {2, {VK_SHIFT}, {VK_CONTROL}, VK_F7},
      {3, {VK_CONTROL, VK_SHIFT}, {VK_MENU, VK_CONTROL}, VK_F8},
      {4, {VK_MENU}, {VK_SHIFT}, VK_F9},
      {5, {VK_CONTROL, VK_MENU}, {VK_MENU, VK_CONTROL, VK_SHIFT}, VK_F11},
      {6, {VK_SHIFT, VK_MENU}, {VK_CONTROL, VK_SHIFT}, VK_F12},
      // Any other value goes to the system unchanged: 7 is its Alt+Ctrl+Shift.
      {7, {VK_CONTROL, VK_SHIFT, VK_MENU}, {VK_CONTROL}, 'Q'},
  };
  std::uint32_t expectedId = 33001;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "modifiers " << c.modifiers);
    const std::int32_t id = RegisterRoutedHotkey(hotkeyWindow, target, c.modifiers, c.key);
    EXPECT_EQ(id, static_cast<std::int32_t>(expectedId++));
    ASSERT_TRUE(SetForegroundWindow(hotkeyWindow));

    notifications.clear();
    TapKey(c.key, c.wrong);
    PumpMessagesFor(200);
    EXPECT_TRUE(notifications.empty()) << "fired on the wrong modifiers";

    TapKey(c.key, c.held);
    EXPECT_TRUE(WaitUntil([] { return !notifications.empty(); }, 2000)) << "did not fire";
    PumpMessagesFor(100);
    ASSERT_EQ(notifications.size(), 1u);
    EXPECT_EQ(notifications[0].first, static_cast<WPARAM>(id));
    EXPECT_EQ(notifications[0].second, 0);
    UnregisterHotKey(hotkeyWindow, id);
  }
  // A hotkey the system refuses still uses up its identifier.
  ASSERT_TRUE(RegisterHotKey(target, 1, MOD_CONTROL, VK_F3));
  EXPECT_EQ(RegisterRoutedHotkey(hotkeyWindow, target, 1, VK_F3), 0);
  EXPECT_EQ(RegisterRoutedHotkey(hotkeyWindow, target, 0, VK_F3), static_cast<int>(expectedId + 1));
  UnregisterHotKey(target, 1);
  DestroyWindow(hotkeyWindow);
  DestroyWindow(target);
}
