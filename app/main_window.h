// MainWindow, its three controls and the hidden window that owns it.
#pragma once

#include <windows.h>

// Identifiers of the controls, by which the handlers find them from MainWindow.
enum ControlId : int {
  kLabelId = 1001,       // 标签1
  kCheckBoxId = 1002,    // 选择框1
  kHideButtonId = 1003,  // 按钮1
};

constexpr int kMainWindowWidth = 211;
constexpr int kMainWindowHeight = 143;

HWND CreateHiddenOwnerWindow(HINSTANCE instance);

// Builds MainWindow and its controls, runs HandleWindowReady and shows the window.
// Returns null when the window or one of its controls could not be created.
HWND LoadMainWindow(HINSTANCE instance, HWND owner);

void HandleWindowReady(HWND mainWindow);
void HandleFirstActivation(HWND mainWindow);
