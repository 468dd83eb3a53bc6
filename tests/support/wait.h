#pragma once

#include <windows.h>

#include <functional>

// Polls condition until it holds or timeoutMs have passed, handling this thread's
// messages meanwhile. Returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// Handles this thread's messages for ms milliseconds: the bounded wait before a check
// that something did not happen.
void PumpMessagesFor(DWORD ms);
