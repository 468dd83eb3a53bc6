// What the program keeps outside itself: the settings file in the Windows directory, the
// Run values and the Startup folder. The tests' Wine prefix holds only what the tests
// put there, so a test may clear all of it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::wstring SettingsFilePath();
std::wstring StartupFolder();

// No settings file, no Run value under either key (the machine-wide key present and
// empty), no shortcut in the Startup folder.
void ResetProgramState();

std::optional<std::string> ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::optional<FILETIME> LastWriteTime(const std::wstring& path);

// The string data of a Run value, or nullopt when there is none.
std::optional<std::wstring> RunValue(HKEY hive, const std::wstring& name);
int RunValueCount(HKEY hive);

// A settings file that holds value (raw bytes) for the program's key.
std::string SettingsFileWith(const std::string& value);
