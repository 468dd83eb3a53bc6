// quickpaste's benchmark: each figure beside its floor, measured in the same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "paste/clipboard_text.h"
#include "paste/paste_hotkey.h"
#include "support/clipboard.h"
#include "support/memory.h"
#include "support/program.h"
#include "support/wait.h"

namespace {

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double TimeMs(const std::function<void()>& run) {
  const double start = Now();
  run();
  return Now() - start;
}

// Times run() reps times, with prepare() untimed before each.
double MedianMs(int reps, const std::function<void()>& prepare, const std::function<void()>& run) {
  std::vector<double> times;
  for (int i = 0; i < reps; ++i) {
    prepare();
    const double start = Now();
    run();
    times.push_back(Now() - start);
  }
  return Median(times);
}

// The platform floor: the least a program can do to put the clipboard's text back as
// its only content.
void ClipboardRoundTrip(HWND owner) {
  OpenClipboard(owner);
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const SIZE_T size = GlobalSize(data);
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(copy), GlobalLock(data), size);
  GlobalUnlock(data);
  GlobalUnlock(copy);
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, copy);
  CloseClipboard();
}

void PrintRow(const char* what, double value, double floor, const char* unit) {
  std::printf("| %-44s | %10.1f %-3s | %10.1f %-3s | %7.2fx |\n", what, value, unit, floor, unit,
              value / floor);
}

// The paste without its four synthesised key events: where the time of a small paste
// goes.
void RewriteOnly(HWND owner) {
  ClipboardSession clipboard(owner);
  if (UniqueHglobal text = ReadClipboardText()) WriteClipboardText(std::move(text));
}

void BenchPaste(HWND owner) {
  const struct {
    const char* name;
    size_t bytes;
    int reps;
  } sizes[] = {{"1 KB", 1024, 301}, {"1 MB", 1024 * 1024, 51}, {"16 MB", 16 * 1024 * 1024, 11}};
  for (const auto& size : sizes) {
    const std::wstring text(size.bytes / sizeof(wchar_t) - 1, L'q');
    const std::string bytes = Utf16Bytes(text);
    auto put = [&] {
      PutClipboard({{CF_UNICODETEXT, bytes}});
      PumpMessagesFor(0);
    };
    // Interleaved, so that whatever else the machine does weighs on all three alike.
    std::vector<double> paste, rewrite, platform;
    for (int i = 0; i < size.reps; ++i) {
      put();
      platform.push_back(1000 * TimeMs([&] { ClipboardRoundTrip(owner); }));
      put();
      paste.push_back(1000 * TimeMs([&] { HandlePasteHotkey(owner, 33001, 0); }));
      put();
      rewrite.push_back(1000 * TimeMs([&] { RewriteOnly(owner); }));
    }
    std::vector<char> target(size.bytes);
    const double copy =
        1000 * MedianMs(
                   size.reps, [] {}, [&] { std::memcpy(target.data(), bytes.data(), size.bytes); });
    const std::string name = std::string("paste ") + size.name;
    PrintRow((name + " vs clipboard round trip").c_str(), Median(paste), Median(platform), "us");
    PrintRow((name + " vs memcpy").c_str(), Median(paste), copy, "us");
    PrintRow((name + ", without Ctrl+V, vs round trip").c_str(), Median(rewrite), Median(platform),
             "us");
  }
}

// Heap blocks left behind by 1000 repeats, once the clipboard holds 1 MB of text that
// this process itself put back last: under Wine even the floor leaves one a repeat.
void BenchHeapBlocks(HWND owner) {
  auto blocksAdded = [&](const std::function<void()>& run) {
    PutClipboard({{CF_UNICODETEXT, Utf16Bytes(std::wstring(512 * 1024 - 1, L'h'))}});
    run();
    const int before = BusyHeapBlocks();
    for (int i = 0; i < 1000; ++i) {
      run();
      PumpMessagesFor(0);
    }
    return static_cast<double>(BusyHeapBlocks() - before);
  };
  const double paste = blocksAdded([&] { HandlePasteHotkey(owner, 33001, 0); });
  const double platform = blocksAdded([&] { ClipboardRoundTrip(owner); });
  PrintRow("heap blocks left by 1000 pastes of 1 MB", paste, platform, "");
}

std::wstring SiblingPath(const wchar_t* name) {
  std::wstring path = ProgramPath();
  return path.substr(0, path.rfind(L'\\') + 1) + name;
}

double StartUpMs(const std::wstring& exe, const wchar_t* className) {
  std::vector<double> times;
  for (int i = 0; i < 9; ++i) {
    const double start = Now();
    RunningProgram program(exe);
    HWND window = nullptr;
    WaitUntil(
        [&] {
          window = FindProcessWindow(program.processId(), className);
          return window && IsWindowVisible(window);
        },
        15000);
    times.push_back(Now() - start);
    PostMessageW(window, WM_CLOSE, 0, 0);
    program.WaitForExit();
  }
  return Median(times);
}

double WorkingSetMb(HANDLE process) {
  return static_cast<double>(WorkingSetOf(process)) / (1024.0 * 1024.0);
}

void BenchMemory() {
  RunningProgram floor(SiblingPath(L"floor_window.exe"));
  WaitUntil([&] { return FindProcessWindow(floor.processId(), L"FloorWindow") != nullptr; }, 15000);
  PumpMessagesFor(1000);
  const double floorMb = WorkingSetMb(floor.process());

  RunningProgram program;
  HWND window = program.WaitForReadyWindow();
  PumpMessagesFor(1000);
  PrintRow("working set after start", WorkingSetMb(program.process()), floorMb, "MB");

  PutClipboard({{CF_UNICODETEXT, Utf16Bytes(std::wstring(512 * 1024 - 1, L'm'))}});
  for (int i = 1; i <= 1000; ++i) {
    SendMessageW(window, WM_HOTKEY, 33001, MAKELPARAM(0, VK_SCROLL));
    PumpMessagesFor(0);
    if (i == 10 || i == 100) {
      PumpMessagesFor(500);
      const std::string label = "working set after " + std::to_string(i) + " pastes of 1 MB";
      PrintRow(label.c_str(), WorkingSetMb(program.process()), floorMb, "MB");
    }
  }
  PumpMessagesFor(500);
  PrintRow("working set after 1000 pastes of 1 MB", WorkingSetMb(program.process()), floorMb, "MB");

  HWND hideButton = GetDlgItem(window, 1003);
  for (int i = 0; i < 200; ++i)
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(1003, BN_CLICKED), LPARAM(hideButton));
  PumpMessagesFor(500);
  PrintRow("working set after 200 hides", WorkingSetMb(program.process()), floorMb, "MB");
  PostMessageW(window, WM_CLOSE, 0, 0);
  PostMessageW(FindProcessWindow(floor.processId(), L"FloorWindow"), WM_CLOSE, 0, 0);
}

}  // namespace

int main() {
  HWND owner = CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                               nullptr, nullptr, nullptr);
  std::printf("| %-44s | %14s | %14s | %8s |\n", "measure", "quickpaste", "floor", "ratio");
  std::printf("|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(16, '-').c_str(),
              std::string(16, '-').c_str(), std::string(10, '-').c_str());
  BenchPaste(owner);
  BenchHeapBlocks(owner);
  PrintRow("start-up to visible window (median)", StartUpMs(ProgramPath(), L"QuickPasteMain"),
           StartUpMs(SiblingPath(L"floor_window.exe"), L"FloorWindow"), "ms");
  BenchMemory();
  DestroyWindow(owner);
  return 0;
}
