#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "app/main_window.h"
#include "autostart/executable_path.h"
#include "paste/paste_hotkey.h"
#include "support/clipboard.h"
#include "support/memory.h"
#include "support/system_state.h"
#include "support/tray.h"
#include "support/wait.h"
#include "tray/hide_to_tray.h"

TEST(PasteInProcess, AThousandPastesLeaveNoBlockBehind) {
  HWND owner =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  int afterWarmUp = 0;
  for (int i = 0; i < 1000; ++i) {
    ASSERT_TRUE(PutClipboard(SoakContent(i)));
    HandlePasteHotkey(owner, 33001, 0);
    PumpMessagesFor(0);
    if (i == 100) afterWarmUp = BusyHeapBlocks();
  }
  ASSERT_GT(afterWarmUp, 0) << "HeapWalk saw nothing";
  // The clipboard keeps the latest block; nothing else of the pastes stays.
  EXPECT_LE(BusyHeapBlocks(), afterWarmUp + 4)
      << afterWarmUp << " busy heap blocks after 100 pastes";
  DestroyWindow(owner);
}

namespace {

std::vector<HICON> iconsAfterHides;
WNDPROC mainWindowProc = nullptr;

// Notes the icon after every hide the workers ask for, on the GUI thread.
LRESULT CALLBACK RecordHides(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcW(mainWindowProc, window, message, wParam, lParam);
  if (message == kHideToTrayMessage) iconsAfterHides.push_back(TrayIconHandle());
  return result;
}

}  // namespace

TEST(TrayConcurrency, HidesFromWorkersAndTheGuiThreadKeepOneIcon) {
  ResetProgramState();
  DeriveExecutablePath();
  HWND owner = CreateHiddenOwnerWindow(GetModuleHandleW(nullptr));
  HWND window = LoadMainWindow(GetModuleHandleW(nullptr), owner);
  ASSERT_TRUE(window);
  mainWindowProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordHides)));

  // Workers ask for hides the way the auto-hide worker does, while the GUI thread hides
  // on its own, as a click on the hide button would.
  std::atomic<int> finished{0};
  std::vector<std::thread> workers;
  for (int w = 0; w < 4; ++w) {
    workers.emplace_back([&] {
      for (int i = 0; i < 50; ++i) SendMessageW(window, kHideToTrayMessage, 0, 0);
      ++finished;
    });
  }
  const bool done = WaitUntil(
      [&] {
        HideToTray(window);
        iconsAfterHides.push_back(TrayIconHandle());
        return finished == 4;
      },
      30000);
  if (!done) {
    for (std::thread& worker : workers) worker.detach();
    FAIL() << "deadlock: the workers did not finish";
  }
  for (std::thread& worker : workers) worker.join();

  ASSERT_GE(iconsAfterHides.size(), 201u);
  for (size_t i = 0; i + 1 < iconsAfterHides.size(); ++i) {
    if (iconsAfterHides[i] == iconsAfterHides.back()) continue;
    EXPECT_FALSE(IsLiveIcon(iconsAfterHides[i]))
        << "icon " << i << " of " << iconsAfterHides.size() << " is still alive";
  }
  EXPECT_EQ(iconsAfterHides.back(), TrayIconHandle());
  EXPECT_TRUE(IsLiveIcon(TrayIconHandle()));
  EXPECT_TRUE(TrayIconIsUp(window));
  DestroyWindow(window);
  DestroyWindow(owner);
  EXPECT_FALSE(TrayIconIsUp(window));
  ResetProgramState();
}
