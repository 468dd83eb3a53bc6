#include "autostart/executable_path.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// Derived once, on the GUI thread, before any window exists; never changed afterwards.
char executableName[MAX_PATH];
char runDirectory[MAX_PATH];

HeapText CopyOrNull(const char* text) {
  if (!*text) return HeapText();
  return TextConcat({text});
}

}  // namespace

void DeriveExecutablePath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  // Older systems leave a path that fills the buffer without its terminating zero.
  path[MAX_PATH - 1] = '\0';
  DeriveExecutablePathFrom(path);
}

void DeriveExecutablePathFrom(const char* path) {
  const char* backslash = FindLastBackslash(path);
  const char* name = backslash ? backslash + 1 : path;
  const std::size_t directoryLength = backslash ? static_cast<std::size_t>(backslash - path) : 0;
  lstrcpynA(executableName, name, MAX_PATH);
  lstrcpynA(runDirectory, path,
            static_cast<int>(std::min<std::size_t>(directoryLength + 1, MAX_PATH)));
}

HeapText ExecutableName() {
  return CopyOrNull(executableName);
}

HeapText RunDirectory() {
  return CopyOrNull(runDirectory);
}

const char* FindLastBackslash(const char* text) {
  const char* last = nullptr;
  for (const char* p = text; *p; p = CharNextA(p))
    if (*p == '\\') last = p;
  return last;
}

HeapText TextConcat(std::initializer_list<const char*> texts) {
  std::size_t total = 1;
  for (const char* text : texts) total += text ? std::strlen(text) : 0;
  HeapText joined = AllocateHeapText(total);
  char* end = joined.get();
  for (const char* text : texts) {
    if (!text) continue;
    const std::size_t length = std::strlen(text);
    std::memcpy(end, text, length);
    end += length;
  }
  *end = '\0';
  return joined;
}
