#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/input.h"
#include "support/program.h"
#include "support/wait.h"

namespace {

// Texts are compared as Unicode characters: they must read right whatever the ANSI
// code page, so they are asked for with the wide message.
std::wstring ControlText(HWND control) {
  wchar_t text[64] = {};
  SendMessageW(control, WM_GETTEXT, ARRAYSIZE(text), reinterpret_cast<LPARAM>(text));
  return text;
}

RECT ClientRectOf(HWND control, HWND parent) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

class WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = program_.WaitForReadyWindow();
    ASSERT_TRUE(window_) << "no ready window within the deadline";
  }
  HWND Control(int id) const { return GetDlgItem(window_, id); }

  RunningProgram program_;
  HWND window_ = nullptr;
};

}  // namespace

TEST_F(WindowTest, ControlsStandWhereTheyBelongWithTheirTexts) {
  struct Expected {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    RECT rect;
    LONG style;  // besides WS_CHILD, WS_CLIPSIBLINGS, WS_VISIBLE
  };
  const Expected controls[] = {
      {1001, L"QuickPasteLabel", L"\u5feb\u6377\u7c98\u8d34\u542f\u52a8", {24, 16, 104, 48}, 0},
      {1002,
       L"Button",
       L"\u5f00\u673a\u81ea\u542f\u52a8",
       {24, 72, 104, 96},
       BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER | WS_TABSTOP},
      {1003,
       L"Button",
       L"\u9690\u85cf",
       {144, 72, 192, 96},
       BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP},
  };
  for (const Expected& expected : controls) {
    SCOPED_TRACE(testing::Message() << "control " << expected.id);
    HWND control = Control(expected.id);
    ASSERT_TRUE(control);
    wchar_t className[64] = {};
    GetClassNameW(control, className, ARRAYSIZE(className));
    EXPECT_EQ(_wcsicmp(className, expected.className), 0)
        << testing::PrintToString(std::wstring(className));
    EXPECT_EQ(ControlText(control), expected.text);
    const RECT rect = ClientRectOf(control, window_);
    EXPECT_EQ(rect.left, expected.rect.left);
    EXPECT_EQ(rect.top, expected.rect.top);
    EXPECT_EQ(rect.right, expected.rect.right);
    EXPECT_EQ(rect.bottom, expected.rect.bottom);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    EXPECT_EQ(style & ~(WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE), expected.style)
        << std::hex << style;
    EXPECT_EQ(style & (WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE),
              WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE);
    EXPECT_TRUE(IsWindowEnabled(control));
    // The fonts are checked in-process: Wine answers WM_GETFONT from another process
    // with null.
  }
  EXPECT_EQ(SendMessageW(Control(1002), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  // An owned window gets no taskbar button; its owner is a hidden tool window.
  EXPECT_TRUE(GetWindow(window_, GW_OWNER));
  EXPECT_FALSE(GetWindowLongW(window_, GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST_F(WindowTest, TabAndShiftTabMoveBetweenTheTwoTabStops) {
  const struct {
    bool shift;
    int expectedId;
  } steps[] = {{false, 1002}, {false, 1003}, {true, 1002}, {true, 1003}};
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << (step.shift ? "Shift+Tab" : "Tab"));
    if (step.shift)
      TapKey(VK_TAB, {VK_SHIFT});
    else
      TapKey(VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(window_) == Control(step.expectedId); }, 3000))
        << "focus is on " << FocusOf(window_);
  }
}

TEST_F(WindowTest, FocusComesBackAfterDeactivation) {
  TapKey(VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(window_) == Control(1002); }, 3000));
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                               100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(WaitUntil(
      [&] {
        SetForegroundWindow(other);
        return GetForegroundWindow() == other;
      },
      3000));
  DestroyWindow(other);
  ASSERT_TRUE(WaitUntil(
      [&] {
        SetForegroundWindow(window_);
        return GetForegroundWindow() == window_;
      },
      3000));
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(window_) == Control(1002); }, 3000))
      << "focus is on " << FocusOf(window_);
}

TEST_F(WindowTest, EscAloneEndsTheProgramWithZero) {
  TapKey(VK_ESCAPE);
  EXPECT_EQ(program_.WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(WindowTest, EscWithAModifierDoesNotClose) {
  for (WORD modifier : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
    SCOPED_TRACE(testing::Message() << "modifier 0x" << std::hex << modifier);
    TapKey(VK_ESCAPE, {modifier});
    PumpMessagesFor(300);
    EXPECT_TRUE(program_.IsRunning());
    EXPECT_TRUE(IsWindowVisible(window_));
  }
}

TEST_F(WindowTest, EnterF1AndAltLetterDoNothing) {
  for (auto [key, modifier] : {std::pair<WORD, WORD>{VK_RETURN, 0}, {VK_F1, 0}, {'H', VK_MENU}}) {
    SCOPED_TRACE(testing::Message() << "key 0x" << std::hex << key);
    if (modifier)
      TapKey(key, {modifier});
    else
      TapKey(key);
    PumpMessagesFor(300);
    EXPECT_TRUE(program_.IsRunning());
    EXPECT_TRUE(IsWindowVisible(window_)) << "the hide button must not have been pressed";
  }
}

TEST_F(WindowTest, AltF4EndsTheProgramWithZero) {
  TapKey(VK_F4, {VK_MENU});
  EXPECT_EQ(program_.WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(WindowTest, CloseMessageEndsTheProgramWithZero) {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  EXPECT_EQ(program_.WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(WindowTest, AgreesToEndTheSession) {
  EXPECT_EQ(SendMessageW(window_, WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_TRUE(program_.IsRunning());
}
