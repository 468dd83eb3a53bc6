#include "support/clipboard.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/wait.h"

namespace {

// Waits for the clipboard; on failure reports the last error of the last attempt.
bool OpenForTest() {
  DWORD error = 0;
  const bool opened = WaitUntil(
      [&] {
        if (OpenClipboard(nullptr)) return true;
        error = GetLastError();
        return false;
      },
      2000);
  if (!opened) ADD_FAILURE() << "OpenClipboard failed, error " << error;
  return opened;
}

}  // namespace

UINT HtmlFormat() {
  return RegisterClipboardFormatW(L"HTML Format");
}
UINT RtfFormat() {
  return RegisterClipboardFormatW(L"Rich Text Format");
}

std::string Utf16Bytes(const std::wstring& text) {
  return std::string(reinterpret_cast<const char*>(text.c_str()),
                     (text.size() + 1) * sizeof(wchar_t));
}

bool PutClipboard(const std::vector<ClipboardItem>& items) {
  if (!OpenForTest()) return false;
  EmptyClipboard();
  bool ok = true;
  for (const ClipboardItem& item : items) {
    // A movable block of no bytes is a discarded one, which the clipboard refuses.
    HGLOBAL block = GlobalAlloc(item.bytes.empty() ? GMEM_FIXED : GMEM_MOVEABLE, item.bytes.size());
    if (!item.bytes.empty()) {
      std::memcpy(GlobalLock(block), item.bytes.data(), item.bytes.size());
      GlobalUnlock(block);
    }
    if (!SetClipboardData(item.format, block)) {
      const DWORD error = GetLastError();
      ADD_FAILURE() << "SetClipboardData(" << item.format << ") failed, error " << error;
      GlobalFree(block);
      ok = false;
    }
  }
  CloseClipboard();
  return ok;
}

std::vector<UINT> ClipboardFormats() {
  std::vector<UINT> formats;
  if (!OpenForTest()) return formats;
  for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format))
    formats.push_back(format);
  CloseClipboard();
  return formats;
}

std::optional<std::string> ClipboardBytes(UINT format) {
  if (!OpenForTest()) return std::nullopt;
  std::optional<std::string> bytes;
  if (HANDLE block = GetClipboardData(format)) {
    const char* data = static_cast<const char*>(GlobalLock(block));
    if (data) bytes.emplace(data, GlobalSize(block));
    GlobalUnlock(block);
  }
  CloseClipboard();
  return bytes;
}

std::optional<std::wstring> ClipboardUnicodeText() {
  std::optional<std::string> bytes = ClipboardBytes(CF_UNICODETEXT);
  if (!bytes) return std::nullopt;
  std::wstring text(reinterpret_cast<const wchar_t*>(bytes->data()), bytes->size() / 2);
  return text.substr(0, text.find(L'\0'));
}

std::string SmallDib() {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = 2;
  header.biHeight = 2;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  std::string bytes(reinterpret_cast<const char*>(&header), sizeof(header));
  bytes.append(16, '\x7f');
  return bytes;
}

std::vector<ClipboardItem> SoakContent(int i) {
  const std::string text = Utf16Bytes(L"soak " + std::to_wstring(i));
  switch (i % 4) {
    case 0:
      return {{CF_UNICODETEXT, text}};
    case 1:
      return {{CF_UNICODETEXT, text}, {RtfFormat(), "{\\rtf1 soak}"}, {HtmlFormat(), "<b>s</b>"}};
    case 2:
      return {{CF_DIB, SmallDib()}};
    default:
      return {};
  }
}
