// A second clipboard client for the tests.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct ClipboardItem {
  UINT format;
  std::string bytes;  // the block's exact content
};

UINT HtmlFormat();
UINT RtfFormat();

// Replaces the clipboard content with the items. Returns false, with the last error
// printed, when the clipboard could not be opened or written.
bool PutClipboard(const std::vector<ClipboardItem>& items);
// The formats on the clipboard, in the order the clipboard lists them.
std::vector<UINT> ClipboardFormats();
// The block of one format, or nullopt when the clipboard does not hold it.
std::optional<std::string> ClipboardBytes(UINT format);
std::optional<std::wstring> ClipboardUnicodeText();

std::string Utf16Bytes(const std::wstring& text);  // with its terminating zero

// A small 32-bit DIB: an image and nothing else.
std::string SmallDib();

// The i-th of a cycle of contents for long runs: text, formatted text, an image, nothing.
std::vector<ClipboardItem> SoakContent(int i);
