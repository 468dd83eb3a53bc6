#include "support/input.h"

#include "support/wait.h"

void SendKey(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof(input));
}

void TapKey(WORD virtualKey, std::initializer_list<WORD> modifiers) {
  for (WORD modifier : modifiers) SendKey(modifier, false);
  SendKey(virtualKey, false);
  SendKey(virtualKey, true);
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) SendKey(*it, true);
}

void ClickAt(POINT screenPoint) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT move{};
  move.type = INPUT_MOUSE;
  // Rounded up, so that Windows' conversion back (rounding down) gives the same pixel.
  move.mi.dx = (screenPoint.x * 65536 + width - 1) / width;
  move.mi.dy = (screenPoint.y * 65536 + height - 1) / height;
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  // Under Wine the X server's idea of the pointer can overtake a move sent just before
  // a click, and the click lands where the pointer was: click once it has arrived.
  WaitUntil(
      [&] {
        SendInput(1, &move, sizeof(INPUT));
        POINT now{};
        GetCursorPos(&now);
        return now.x == screenPoint.x && now.y == screenPoint.y;
      },
      2000);
  INPUT buttons[2]{};
  buttons[0].type = INPUT_MOUSE;
  buttons[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  buttons[1].type = INPUT_MOUSE;
  buttons[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, buttons, sizeof(INPUT));
}
