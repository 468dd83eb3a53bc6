// The Run value that makes Windows start the program at logon, and the Startup-folder
// shortcut of the same name that removing it also deletes. Texts are in the ANSI code
// page; a null text counts as empty.
#pragma once

// Sets the Run value name = path, machine-wide when allowed, otherwise for the current
// user. Returns 1 when a value was set, 0 when path does not exist or nothing could be
// set.
int RegisterAutostart(const char* name, const char* path);

// Deletes the Run value under both keys and the Startup shortcut name + ".lnk". Returns
// 1 when any of them was deleted, else 0.
int RemoveAutostart(const char* name);

void NotifyShortcutChange(const char* shortcutPath);
