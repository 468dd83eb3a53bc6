#include "paste/paste_hotkey.h"

#include "paste/clipboard_text.h"
#include "paste/simulate_keys.h"

// Read and rewrite happen in one opening of the clipboard: no other program can put
// a new copy there in between, only to have it replaced by the old text. A clipboard
// that stays locked by another program, or a text there is no memory for, leaves the
// clipboard as it is, so the user's copy is never lost; Ctrl+V still goes out and
// pastes whatever is there.
void HandlePasteHotkey(HWND clipboardOwner, std::int32_t, std::int32_t) {
  {
    ClipboardSession clipboard(clipboardOwner);
    if (clipboard.IsOpen()) {
      if (UniqueHglobal text = ReadClipboardText()) WriteClipboardText(std::move(text));
    }
  }
  SimulateKeys(VK_CONTROL, 'V', 0);
}
