#include "support/memory.h"

#include <psapi.h>

SIZE_T WorkingSetOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(process, &counters, sizeof(counters));
  return counters.WorkingSetSize;
}

int BusyHeapBlocks() {
  HANDLE heap = GetProcessHeap();
  HeapLock(heap);
  PROCESS_HEAP_ENTRY entry{};
  int busy = 0;
  while (HeapWalk(heap, &entry))
    if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ++busy;
  HeapUnlock(heap);
  return busy;
}
