#include "paste/paste_hotkey.h"

#include <cwchar>

#include "paste/clipboard_text.h"
#include "paste/simulate_keys.h"

// A clipboard that stays locked by another program is left as it is, so the user's
// copy is never lost; Ctrl+V still goes out and pastes whatever is there.
void HandlePasteHotkey(HWND clipboardOwner, std::int32_t, std::int32_t) {
  if (std::optional<HeapWideText> text = ReadClipboardText(clipboardOwner)) {
    const wchar_t* plain = text->get() ? text->get() : L"";
    WriteClipboardText(clipboardOwner, plain, std::wcslen(plain));
  }
  SimulateKeys(VK_CONTROL, 'V', 0);
}
