#include "autostart/settings_file.h"

#include "autostart/executable_path.h"

namespace {

constexpr DWORD kValueBufferSize = 10240;

}  // namespace

HeapText ReadIniText(const char* file, const char* section, const char* key) {
  char value[kValueBufferSize];
  value[0] = '\0';
  GetPrivateProfileStringA(section, key, nullptr, value, kValueBufferSize, file);
  if (!value[0]) return HeapText();
  return TextConcat({value});
}

BOOL WriteIniText(const char* file, const char* section, const char* key, const char* value) {
  return WritePrivateProfileStringA(section, key, value, file);
}

int TextCompare(const char* a, const char* b) {
  if (!a) return !b || !*b ? 0 : -1;
  if (!b) return !*a ? 0 : 1;
  const auto* left = reinterpret_cast<const unsigned char*>(a);
  const auto* right = reinterpret_cast<const unsigned char*>(b);
  for (;; ++left, ++right) {
    if (*left != *right) return *left < *right ? -1 : 1;
    if (!*left) return 0;
  }
}
