#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "app/application.h"
#include "app/main_window.h"
#include "app/touch_state.h"
#include "autostart/executable_path.h"
#include "support/system_state.h"
#include "support/input.h"

namespace {

// Builds MainWindow inside the test and runs its messages through the program's own
// look before dispatch, as the program's message loop does.
class MainWindowInProcess : public testing::Test {
 public:
  void SetUp() override {
    ResetProgramState();
    DeriveExecutablePath();
    WindowTouchState.store(kWindowNotReady);
    owner_ = CreateHiddenOwnerWindow(GetModuleHandleW(nullptr));
    window_ = LoadMainWindow(GetModuleHandleW(nullptr), owner_);
    ASSERT_TRUE(window_);
    ASSERT_TRUE(Pump([&] { return GetForegroundWindow() == window_; }, 5000));
  }
  void TearDown() override {
    if (IsWindow(window_)) DestroyWindow(window_);
    DestroyWindow(owner_);
    ResetProgramState();
  }

  bool Pump(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (PreTranslateMainWindowMessage(window_, message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
      if (condition()) return true;
      if (GetTickCount64() >= deadline) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
  }
  void PumpFor(DWORD ms) {
    Pump([] { return false; }, ms);
  }

  POINT OnScreen(int clientX, int clientY) const {
    POINT point{clientX, clientY};
    ClientToScreen(window_, &point);
    return point;
  }
  POINT CentreOf(int controlId) const {
    RECT rect;
    GetWindowRect(GetDlgItem(window_, controlId), &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }

  HWND owner_ = nullptr;
  HWND window_ = nullptr;
};

}  // namespace

TEST_F(MainWindowInProcess, HasBothIconsFromTheWindowIconAndTheDefaultGuiFont) {
  for (WPARAM which : {ICON_BIG, ICON_SMALL}) {
    SCOPED_TRACE(testing::Message() << "icon " << which);
    HICON icon = reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, which, 0));
    ICONINFO info{};
    const BOOL got = GetIconInfo(icon, &info);
    const DWORD error = GetLastError();
    ASSERT_TRUE(got) << "error " << error;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 64);
    EXPECT_EQ(bitmap.bmHeight, 64);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  for (HWND window : {GetDlgItem(window_, kLabelId), GetDlgItem(window_, kCheckBoxId),
                      GetDlgItem(window_, kHideButtonId)}) {
    SCOPED_TRACE(testing::Message() << "window " << window);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)),
              GetStockObject(DEFAULT_GUI_FONT));
  }
}

TEST_F(MainWindowInProcess, ClicksOnControlsAndActivationLeaveItUntouched) {
  EXPECT_EQ(WindowTouchState.load(), kUntouched);
  // The check box twice, so that it ends as it began; the hide button last.
  for (int id : {kLabelId, kCheckBoxId, kCheckBoxId, kHideButtonId}) {
    SCOPED_TRACE(testing::Message() << "click on control " << id);
    ClickAt(CentreOf(id));
    PumpFor(200);
    EXPECT_EQ(WindowTouchState.load(), kUntouched);
  }
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                               100, nullptr, nullptr, nullptr, nullptr);
  EXPECT_TRUE(Pump(
      [&] {
        SetForegroundWindow(other);
        return GetForegroundWindow() == other;
      },
      3000));
  DestroyWindow(other);
  EXPECT_TRUE(Pump(
      [&] {
        SetForegroundWindow(window_);
        return GetForegroundWindow() == window_;
      },
      3000));
  PumpFor(100);
  EXPECT_EQ(WindowTouchState.load(), kUntouched);
}

TEST_F(MainWindowInProcess, MovingOrClickingTheBareClientAreaTouchesIt) {
  const struct {
    const char* name;
    std::function<void(MainWindowInProcess&)> touch;
  } cases[] = {
      {"moved",
       [](MainWindowInProcess& t) {
         SetWindowPos(t.window_, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
       }},
      {"minimised", [](MainWindowInProcess& t) { ShowWindow(t.window_, SW_MINIMIZE); }},
      {"left click on the bare client area",
       [](MainWindowInProcess& t) { ClickAt(t.OnScreen(120, 30)); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    ASSERT_EQ(WindowTouchState.load(), kUntouched);
    c.touch(*this);
    EXPECT_TRUE(Pump([] { return WindowTouchState.load() == kTouched; }, 3000))
        << "touch state " << WindowTouchState.load();
  }
}
