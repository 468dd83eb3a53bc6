#pragma once

#include <windows.h>

#include <cstdint>

// One press of the paste hotkey: the clipboard is reduced to its plain text, then
// Ctrl+V goes to whatever has the keyboard focus. clipboardOwner is MainWindow; the
// identifier and the reserved value are not used.
void HandlePasteHotkey(HWND clipboardOwner, std::int32_t hotkeyId, std::int32_t reserved);
