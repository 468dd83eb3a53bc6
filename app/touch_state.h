// Whether the user has touched MainWindow since it became ready: the auto-hide worker
// leaves a touched window alone.
#pragma once

#include <atomic>
#include <cstdint>

enum WindowTouch : std::int32_t {
  kWindowNotReady = 0,
  kUntouched = 1,
  kTouched = 2,
};

// Written on the GUI thread only, read once by the auto-hide worker.
extern std::atomic<std::int32_t> WindowTouchState;

void HandleWindowMoved();
void HandleWindowClick(std::uint32_t x, std::uint32_t y, std::uint32_t modifiers);
