// The start-with-system check box: restored from the settings file at start, and
// turning the autostart entry on and off when clicked.
#pragma once

#include <windows.h>

void RestoreAutostartCheckBox(HWND checkBox);
void HandleAutostartToggle(HWND mainWindow);
