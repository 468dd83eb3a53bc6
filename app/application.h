// The process from start to end: start-up, the message loop and shutdown.
#pragma once

#include <windows.h>

// Looks at a message taken for MainWindow or one of its controls before it is
// dispatched: the window's own keys and the click that counts as a touch. Returns true
// when the message has been dealt with and must not be dispatched.
bool PreTranslateMainWindowMessage(HWND mainWindow, const MSG& message);

int RunMessageLoop(HWND mainWindow);

// Returns the process's exit code.
int RunApplication(HINSTANCE instance);
