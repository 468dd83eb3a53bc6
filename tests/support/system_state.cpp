#include "support/system_state.h"

#include <shlobj.h>

#include <vector>

std::wstring SettingsFilePath() {
  wchar_t folder[MAX_PATH];
  GetWindowsDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\qk_config.ini";
}

std::wstring StartupFolder() {
  wchar_t folder[MAX_PATH] = {};
  SHGetSpecialFolderPathW(nullptr, folder, CSIDL_STARTUP, TRUE);
  return folder;
}

namespace {

void DeleteAllValues(HKEY hive) {
  HKEY key;
  if (RegOpenKeyExW(hive, kRunKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  for (;;) {
    wchar_t name[512];
    DWORD length = ARRAYSIZE(name);
    if (RegEnumValueW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    if (RegDeleteValueW(key, name) != ERROR_SUCCESS) break;
  }
  RegCloseKey(key);
}

void DeleteShortcuts() {
  const std::wstring folder = StartupFolder();
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*.lnk").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do DeleteFileW((folder + L"\\" + found.cFileName).c_str());
  while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

void ResetProgramState() {
  DeleteFileW(SettingsFilePath().c_str());
  HKEY key;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) == ERROR_SUCCESS)
    RegCloseKey(key);
  DeleteAllValues(HKEY_LOCAL_MACHINE);
  DeleteAllValues(HKEY_CURRENT_USER);
  DeleteShortcuts();
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return written == bytes.size();
}

std::optional<FILETIME> LastWriteTime(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return data.ftLastWriteTime;
}

std::optional<std::wstring> RunValue(HKEY hive, const std::wstring& name) {
  wchar_t data[2048] = {};
  DWORD size = sizeof(data) - sizeof(wchar_t);
  DWORD type = 0;
  if (RegGetValueW(hive, kRunKey, name.c_str(), RRF_RT_ANY, &type, data, &size) != ERROR_SUCCESS)
    return std::nullopt;
  if (type != REG_SZ) return L"<not REG_SZ>";
  return std::wstring(data);
}

int RunValueCount(HKEY hive) {
  HKEY key;
  if (RegOpenKeyExW(hive, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  DWORD count = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return static_cast<int>(count);
}

std::string SettingsFileWith(const std::string& value) {
  // [开机启动] / 开机状态=value, in GBK
  return "[\xBF\xAA\xBB\xFA\xC6\xF4\xB6\xAF]\r\n\xBF\xAA\xBB\xFA\xD7\xB4\xCC\xAC=" + value + "\r\n";
}
