// The settings file: one INI value that remembers the start-with-system choice. Its
// names and values are GBK bytes handed to the ANSI profile functions unchanged, so the
// file keeps the same bytes it has always had.
#pragma once

#include <windows.h>

#include "app/unique.h"

// A bare name: the profile functions keep it in the Windows directory.
inline constexpr char kSettingsFile[] = "qk_config.ini";
inline constexpr char kSettingsSection[] = "\xBF\xAA\xBB\xFA\xC6\xF4\xB6\xAF";  // 开机启动
inline constexpr char kSettingsKey[] = "\xBF\xAA\xBB\xFA\xD7\xB4\xCC\xAC";      // 开机状态
inline constexpr char kSettingOn[] = "\xD5\xE6";                                // 真
inline constexpr char kSettingOff[] = "\xBC\xD9";                               // 假

// The value, or null when it is empty or missing. Values longer than 10239 bytes are
// cut short.
HeapText ReadIniText(const char* file, const char* section, const char* key);
BOOL WriteIniText(const char* file, const char* section, const char* key, const char* value);

// Byte order, unsigned; a null text equals the empty one.
int TextCompare(const char* a, const char* b);
