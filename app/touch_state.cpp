#include "app/touch_state.h"

std::atomic<std::int32_t> WindowTouchState{kWindowNotReady};

// A move after the first showing is the user's: the window is theirs now.
void HandleWindowMoved() {
  WindowTouchState.store(kTouched);
}

// Where and with which modifiers does not matter: any release over the bare client
// area means the user is working with the window.
void HandleWindowClick(std::uint32_t, std::uint32_t, std::uint32_t) {
  WindowTouchState.store(kTouched);
}
