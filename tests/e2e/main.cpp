#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "support/system_state.h"

namespace {

// Each test runs in a process of its own, so this puts every test's program in front
// of the same machine: no settings file, no Run value, no Startup shortcut.
class KnownState : public testing::Environment {
 public:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }
};

// A second clipboard client in a process of its own: opens the clipboard at random
// moments and holds it a while, until the named event is set.
int GrabClipboardUntil(const char* eventName) {
  HANDLE stop = OpenEventA(SYNCHRONIZE, FALSE, eventName);
  if (!stop) return 1;
  // With a window of its own: Wine lets two openers without a window share the
  // clipboard, where Windows keeps the second out.
  HWND window =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  std::mt19937 random(7);
  // Mostly held, often for longer than the program's retry of about 20 ms.
  while (WaitForSingleObject(stop, random() % 10) == WAIT_TIMEOUT) {
    if (OpenClipboard(window)) {
      Sleep(random() % 40);
      CloseClipboard();
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--grab-clipboard") == 0)
    return GrabClipboardUntil(argv[2]);
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new KnownState);
  return RUN_ALL_TESTS();
}
