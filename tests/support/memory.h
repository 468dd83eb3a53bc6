#pragma once

#include <windows.h>

// The working set of a process, in bytes: what Wine reports of a process's memory
// (its private usage, GDI and handle counts read 0 there).
SIZE_T WorkingSetOf(HANDLE process);

// Busy blocks on this process's heap, where Wine also keeps global memory blocks: a
// block the code under test forgets to free stays counted.
int BusyHeapBlocks();
