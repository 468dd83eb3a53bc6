// The clipboard's text, read and written as Unicode text: Windows makes the ANSI, OEM
// and locale forms from it for the programs that ask for them.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

#include "app/unique.h"

// Opens the clipboard for owner, trying a few times over a few milliseconds: another
// program often has it open for just a moment.
bool OpenClipboardWithRetry(HWND owner);

// Closes the clipboard when it goes out of scope.
class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner) : open_(OpenClipboardWithRetry(owner)) {}
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  ~ClipboardSession() {
    if (open_) CloseClipboard();
  }
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

// nullopt when the clipboard could not be opened; otherwise the text before its first
// zero character, or a null text when there is none (no text, an empty text, other
// formats only).
std::optional<HeapWideText> ReadClipboardText(HWND owner);

// Replaces the whole clipboard content with the text (length characters, no zero
// needed). Returns false when the clipboard could not be opened or the memory for the
// text could not be had; in the latter case the clipboard is left empty.
bool WriteClipboardText(HWND owner, const wchar_t* text, std::size_t length);
