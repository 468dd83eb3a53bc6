// Keyboard and mouse input through SendInput, as a user's would arrive.
#pragma once

#include <windows.h>

#include <initializer_list>

void SendKey(WORD virtualKey, bool up);
// Holds the modifiers, taps the key, lets the modifiers go in reverse order.
void TapKey(WORD virtualKey, std::initializer_list<WORD> modifiers = {});
// Moves the mouse to a screen point and clicks the left button there.
void ClickAt(POINT screenPoint);
