#include "app/unique.h"

HeapText AllocateHeapText(std::size_t bytes) {
  HeapText text(static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, bytes)));
  if (!text) ExitOnFatalError();
  return text;
}

void ExitOnFatalError() {
  // 快捷粘贴无法继续运行。 ("Quick paste cannot go on.")
  MessageBoxW(nullptr, L"\u5feb\u6377\u7c98\u8d34\u65e0\u6cd5\u7ee7\u7eed\u8fd0\u884c\u3002",
              L"quickpaste", MB_ICONERROR);
  ExitProcess(static_cast<UINT>(-1));
}
