// The notification-area icon: made from the tray picture, and the three shell calls
// that put it up, change it and take it down.
#pragma once

#include <windows.h>

#include "app/unique.h"

inline constexpr UINT kTrayIconId = 100;
inline constexpr UINT kTrayCallbackMessage = WM_APP + 100;

// The bitmaps an icon is built from; they are deleted once the icon is made.
struct IconBitmaps {
  UniqueHbitmap color;  // 32-bit, top-down, straight alpha
  UniqueHbitmap mask;
};

// Decodes a PNG into icon bitmaps of the picture's own size; empty on failure.
IconBitmaps MakeIconBitmaps(const unsigned char* png, std::size_t size);
UniqueHicon IconFromBitmaps(const IconBitmaps& bitmaps);
// A new icon from the tray picture, or an empty one when it cannot be made.
UniqueHicon MakeTrayIcon();

bool AddTrayIcon(HWND window, HICON icon);
bool ModifyTrayIcon(HWND window, HICON icon);
bool DeleteTrayIcon(HWND window);
