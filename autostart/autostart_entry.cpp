#include "autostart/autostart_entry.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>

#include "app/unique.h"
#include "autostart/executable_path.h"

namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

const char* OrEmpty(const char* text) {
  return text ? text : "";
}

// Windows splits an unquoted command line at its spaces and would try
// C:\Program.exe first, so a path with spaces is stored quoted.
HeapText CommandLineFor(const char* path) {
  if (std::strchr(path, ' ')) return TextConcat({"\"", path, "\""});
  return TextConcat({path});
}

bool SetRunValue(HKEY hive, const char* name, const char* data) {
  HKEY opened = nullptr;
  // The machine-wide key is only opened, as it should exist on every system; the
  // user's key may be missing and is created.
  const LONG openResult =
      hive == HKEY_LOCAL_MACHINE
          ? RegOpenKeyA(hive, kRunKey, &opened)
          : RegCreateKeyExA(hive, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr);
  if (openResult != ERROR_SUCCESS) return false;
  UniqueHkey key(opened);
  return RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                        static_cast<DWORD>(std::strlen(data) + 1)) == ERROR_SUCCESS;
}

bool DeleteRunValue(HKEY hive, const char* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyA(hive, kRunKey, &opened) != ERROR_SUCCESS) return false;
  UniqueHkey key(opened);
  return RegDeleteValueA(key.get(), name) == ERROR_SUCCESS;
}

// False when the Startup folder is unknown or the name would not fit: then there is no
// shortcut to speak of.
bool StartupShortcutPath(const char* name, char (&shortcut)[MAX_PATH]) {
  char folder[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, folder, CSIDL_STARTUP, FALSE)) return false;
  const int length = std::snprintf(shortcut, MAX_PATH, "%s\\%s.lnk", folder, name);
  return length > 0 && length < MAX_PATH;
}

}  // namespace

int RegisterAutostart(const char* name, const char* path) {
  name = OrEmpty(name);
  path = OrEmpty(path);
  WIN32_FIND_DATAA found;
  if (!UniqueFindHandle(FindFirstFileA(path, &found))) return 0;
  const HeapText data = CommandLineFor(path);
  // Without elevation the machine-wide key is read-only for nearly every user; the
  // user's own Run key starts the program at that user's logon.
  if (SetRunValue(HKEY_LOCAL_MACHINE, name, data.get())) return 1;
  return SetRunValue(HKEY_CURRENT_USER, name, data.get()) ? 1 : 0;
}

int RemoveAutostart(const char* name) {
  name = OrEmpty(name);
  int result = 0;
  for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
    if (DeleteRunValue(hive, name)) result = 1;
  char shortcut[MAX_PATH];
  if (StartupShortcutPath(name, shortcut)) {
    if (DeleteFileA(shortcut)) result = 1;
    NotifyShortcutChange(shortcut);
  }
  return result;
}

// Explorer shows the Startup folder; tell it the shortcut may be gone.
void NotifyShortcutChange(const char* shortcutPath) {
  SHChangeNotify(SHCNE_DELETE | SHCNE_INTERRUPT, SHCNF_PATHA | SHCNF_FLUSH, shortcutPath, nullptr);
  char folder[MAX_PATH];
  lstrcpynA(folder, shortcutPath, MAX_PATH);
  if (char* backslash = const_cast<char*>(FindLastBackslash(folder))) *backslash = '\0';
  SHChangeNotify(SHCNE_UPDATEDIR | SHCNE_INTERRUPT, SHCNF_PATHA | SHCNF_FLUSH, folder, nullptr);
}
