#include "autostart/autostart_toggle.h"

#include "app/main_window.h"
#include "autostart/autostart_entry.h"
#include "autostart/executable_path.h"
#include "autostart/settings_file.h"

// Only the file is read: the registry entry is never taken for the user's choice.
void RestoreAutostartCheckBox(HWND checkBox) {
  const HeapText value = ReadIniText(kSettingsFile, kSettingsSection, kSettingsKey);
  if (TextCompare(value.get(), kSettingOn) == 0)
    SendMessageW(checkBox, BM_SETCHECK, BST_CHECKED, 0);
}

// The box has toggled itself before this runs. The choice is stored whatever the
// registry said, so the box shows it again at the next start.
void HandleAutostartToggle(HWND mainWindow) {
  const HeapText name = ExecutableName();
  if (SendMessageW(GetDlgItem(mainWindow, kCheckBoxId), BM_GETCHECK, 0, 0) == BST_CHECKED) {
    const HeapText directory = RunDirectory();
    const HeapText path = TextConcat({directory.get(), "\\", name.get()});
    RegisterAutostart(name.get(), path.get());
    WriteIniText(kSettingsFile, kSettingsSection, kSettingsKey, kSettingOn);
  } else {
    RemoveAutostart(name.get());
    WriteIniText(kSettingsFile, kSettingsSection, kSettingsKey, kSettingOff);
  }
}
