#include "support/input.h"

#include <vector>

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
  INPUT inputs[3]{};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dx = (screenPoint.x * 65536 + width / 2) / width;
  inputs[0].mi.dy = (screenPoint.y * 65536 + height / 2) / height;
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[2].type = INPUT_MOUSE;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(3, inputs, sizeof(INPUT));
}
