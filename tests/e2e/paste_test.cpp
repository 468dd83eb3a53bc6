#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/clipboard.h"
#include "support/desktop.h"
#include "support/input.h"
#include "support/program.h"
#include "support/wait.h"

namespace {

bool Holds(const std::vector<UINT>& formats, UINT format) {
  return std::find(formats.begin(), formats.end(), format) != formats.end();
}

void PressScrollLock() {
  TapKey(VK_SCROLL);
}

class PasteTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program_.WaitForReadyWindow()) << "no ready window within the deadline";
  }
  RunningProgram program_;
};

}  // namespace

TEST_F(PasteTest, PastesThePlainTextAndLeavesItAloneOnTheClipboard) {
  // Characters outside code page 936 must survive: an emoji and a Thai letter.
  const std::wstring text = L"plain \u7c98\u8d34 \U0001F600 \u0e01 end";
  const struct {
    const char* name;
    std::vector<ClipboardItem> content;
    std::wstring pasted;
  } cases[] = {
      {"formatted text",
       {{CF_UNICODETEXT, Utf16Bytes(text)},
        {HtmlFormat(), "Version:0.9\r\n<b>plain</b>"},
        {RtfFormat(), "{\\rtf1 {\\b plain}}"}},
       text},
      {"text with an embedded zero",
       {{CF_UNICODETEXT, Utf16Bytes(std::wstring(L"before\0after", 12))}},
       L"before"},
      {"image only", {{CF_DIB, SmallDib()}}, L""},
      {"empty clipboard", {}, L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TargetWindow target(/*withEdit=*/true);
    ASSERT_TRUE(target.Activate()) << "the test's window did not come to the foreground";
    ASSERT_TRUE(PutClipboard(c.content));
    KeyRecorder keys;
    PressScrollLock();
    EXPECT_TRUE(keys.WaitForVRelease()) << "no Ctrl+V reached the desktop";
    EXPECT_TRUE(WaitUntil([&] { return target.EditText() == c.pasted; }, 3000))
        << "the edit holds \"" << testing::PrintToString(target.EditText()) << "\"";
    PumpMessagesFor(100);
    EXPECT_EQ(target.EditText(), c.pasted);

    const std::vector<UINT> formats = ClipboardFormats();
    EXPECT_TRUE(Holds(formats, CF_UNICODETEXT));
    EXPECT_TRUE(Holds(formats, CF_TEXT)) << "Windows offers the ANSI form too";
    EXPECT_FALSE(Holds(formats, HtmlFormat()));
    EXPECT_FALSE(Holds(formats, RtfFormat()));
    EXPECT_FALSE(Holds(formats, CF_DIB));
    EXPECT_EQ(ClipboardUnicodeText(), std::optional<std::wstring>(c.pasted));
  }
}

TEST_F(PasteTest, A16MegabyteTextIsRewrittenWhole) {
  std::wstring text(8 * 1024 * 1024 - 1, L'x');  // 16 MB with its zero
  for (size_t i = 0; i < text.size(); i += 4099) text[i] = static_cast<wchar_t>(L'a' + i % 26);
  TargetWindow target(/*withEdit=*/false);
  ASSERT_TRUE(target.Activate());
  ASSERT_TRUE(PutClipboard({{CF_UNICODETEXT, Utf16Bytes(text)}, {RtfFormat(), "{\\rtf1 x}"}}));
  const DWORD before = GetClipboardSequenceNumber();
  PressScrollLock();
  ASSERT_TRUE(WaitUntil(
      [&] {
        return GetClipboardSequenceNumber() != before && !Holds(ClipboardFormats(), RtfFormat()) &&
               Holds(ClipboardFormats(), CF_UNICODETEXT);
      },
      15000));
  const std::optional<std::wstring> after = ClipboardUnicodeText();
  ASSERT_TRUE(after);
  EXPECT_EQ(after->size(), text.size());
  EXPECT_TRUE(*after == text) << "the text came back changed";
}

TEST_F(PasteTest, OnePressSynthesisesExactlyCtrlVWithScanCodeZero) {
  TargetWindow target(/*withEdit=*/false);
  ASSERT_TRUE(target.Activate());
  ASSERT_TRUE(PutClipboard({{CF_UNICODETEXT, Utf16Bytes(L"keys")}}));
  KeyRecorder keys;
  PressScrollLock();
  ASSERT_TRUE(keys.WaitForVRelease());
  PumpMessagesFor(300);
  const std::vector<KeyEvent> expected = {{VK_CONTROL, false, 0, true},
                                          {'V', false, 0, true},
                                          {VK_CONTROL, true, 0, true},
                                          {'V', true, 0, true}};
  EXPECT_EQ(keys.EventsBesidesScrollLock(), expected);
}

TEST_F(PasteTest, ClipboardHeldByAnotherProgramIsNotLost) {
  const std::vector<ClipboardItem> content = {{CF_UNICODETEXT, Utf16Bytes(L"keep me")},
                                              {HtmlFormat(), "Version:0.9\r\n<i>keep</i>"},
                                              {RtfFormat(), "{\\rtf1 {\\i keep}}"}};
  TargetWindow target(/*withEdit=*/false);
  ASSERT_TRUE(target.Activate());
  ASSERT_TRUE(PutClipboard(content));
  KeyRecorder keys;
  const BOOL opened = OpenClipboard(target.window());
  const DWORD error = GetLastError();
  ASSERT_TRUE(opened) << "error " << error;
  PressScrollLock();
  // The program gives up on the clipboard after its bounded retry and still sends Ctrl+V.
  const bool pasted = keys.WaitForVRelease();
  CloseClipboard();
  EXPECT_TRUE(pasted);
  PumpMessagesFor(200);
  for (const ClipboardItem& item : content) {
    SCOPED_TRACE(testing::Message() << "format " << item.format);
    EXPECT_EQ(ClipboardBytes(item.format).value_or("<missing>").substr(0, item.bytes.size()),
              item.bytes);
  }
}

TEST_F(PasteTest, OnlyTheProgramsOwnHotkeyIdentifierPastes) {
  HWND window = FindProcessWindow(program_.processId(), L"QuickPasteMain");
  const struct {
    WPARAM id;
    bool pastes;
  } cases[] = {{33000, false}, {33002, false}, {1, false}, {33001, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "WM_HOTKEY " << c.id);
    ASSERT_TRUE(PutClipboard({{CF_UNICODETEXT, Utf16Bytes(L"id")}, {RtfFormat(), "{\\rtf1 id}"}}));
    KeyRecorder keys;
    PostMessageW(window, WM_HOTKEY, c.id, MAKELPARAM(0, VK_SCROLL));
    EXPECT_EQ(keys.WaitForVRelease(c.pastes ? 5000 : 500), c.pastes);
    EXPECT_EQ(Holds(ClipboardFormats(), RtfFormat()), !c.pastes);
  }
}
