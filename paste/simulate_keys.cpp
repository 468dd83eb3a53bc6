#include "paste/simulate_keys.h"

#include <windows.h>

namespace {

void SendKey(std::int32_t code, DWORD flags) {
  keybd_event(static_cast<BYTE>(code & 0xFF), 0, flags, 0);
}

}  // namespace

// Released in pressing order, not reversed: the target must see Ctrl+V while Ctrl is
// still down, and Ctrl going up first does not undo a paste already made on V down.
void SimulateKeys(std::int32_t first, std::int32_t second, std::int32_t third) {
  const std::int32_t keys[] = {first, second, third};
  for (int i = 0; i < 3; ++i)
    if (i == 0 || keys[i] != 0) SendKey(keys[i], 0);
  for (int i = 0; i < 3; ++i)
    if (i == 0 || keys[i] != 0) SendKey(keys[i], KEYEVENTF_KEYUP);
}
