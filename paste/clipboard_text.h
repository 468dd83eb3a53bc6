// The clipboard's text, read and written as Unicode text: Windows makes the ANSI, OEM
// and locale forms from it for the programs that ask for them.
#pragma once

#include <windows.h>

#include <cstddef>

#include "app/unique.h"

// Opens the clipboard for owner, trying a few times over a few milliseconds: another
// program often has it open for just a moment.
bool OpenClipboardWithRetry(HWND owner);

// Keeps the clipboard open for as long as it lives.
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

// The length of the text at the start of a block of blockBytes bytes: up to its first
// zero character or the end of the block, whichever comes first. A program may put a
// text there without its terminating zero; nothing past the block is read.
std::size_t BoundedTextLength(const wchar_t* text, std::size_t blockBytes);

// With the clipboard open: a new movable block holding the clipboard's text up to its
// first zero character (or the end of its block, if a program left out the zero), and
// a terminating zero. Without text (none, an empty text, other formats only) the block
// holds the empty text. Empty only when there was no memory for the block.
UniqueHglobal ReadClipboardText();

// With the clipboard open: makes the block, which holds a zero-terminated text, the
// clipboard's only content. Returns false when the clipboard did not take it.
bool WriteClipboardText(UniqueHglobal text);
