// 标签1: a label of the program's own that draws its text and is the target of the
// paste hotkey's notifications.
#pragma once

#include <windows.h>

inline constexpr wchar_t kLabelClassName[] = L"QuickPasteLabel";

bool RegisterLabelClass(HINSTANCE instance);
