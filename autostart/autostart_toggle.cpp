#include "autostart/autostart_toggle.h"

void RestoreAutostartCheckBox(HWND) {}

void HandleAutostartToggle(HWND) {}
