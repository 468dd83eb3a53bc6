#include "paste/clipboard_text.h"

#include <cstring>
#include <string>

namespace {

constexpr int kOpenAttempts = 5;
constexpr DWORD kOpenRetryDelayMs = 5;

// Locks a global memory block for as long as it lives.
class GlobalLockGuard {
 public:
  explicit GlobalLockGuard(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {}
  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
  ~GlobalLockGuard() {
    if (data_) GlobalUnlock(block_);
  }
  void* data() const { return data_; }

 private:
  HGLOBAL block_;
  void* data_;
};

UniqueHglobal CopyText(const wchar_t* text, std::size_t length) {
  UniqueHglobal block(GlobalAlloc(GMEM_MOVEABLE, (length + 1) * sizeof(wchar_t)));
  if (!block) return block;
  GlobalLockGuard lock(block.get());
  auto* copy = static_cast<wchar_t*>(lock.data());
  if (!copy) return UniqueHglobal();
  std::memcpy(copy, text, length * sizeof(wchar_t));
  copy[length] = L'\0';
  return block;
}

}  // namespace

std::size_t BoundedTextLength(const wchar_t* text, std::size_t blockBytes) {
  const std::size_t capacity = blockBytes / sizeof(wchar_t);
  const wchar_t* end = std::char_traits<wchar_t>::find(text, capacity, L'\0');
  return end ? static_cast<std::size_t>(end - text) : capacity;
}

bool OpenClipboardWithRetry(HWND owner) {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (attempt > 0) Sleep(kOpenRetryDelayMs);
    if (OpenClipboard(owner)) return true;
  }
  return false;
}

// The copy goes straight into the block the clipboard will take: one copy of the text,
// however long it is.
UniqueHglobal ReadClipboardText() {
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return CopyText(L"", 0);
  GlobalLockGuard lock(data);
  const auto* text = static_cast<const wchar_t*>(lock.data());
  if (!text) return CopyText(L"", 0);
  return CopyText(text, BoundedTextLength(text, GlobalSize(data)));
}

bool WriteClipboardText(UniqueHglobal text) {
  EmptyClipboard();
  // The clipboard owns the block only once it has taken it.
  if (!SetClipboardData(CF_UNICODETEXT, text.get())) return false;
  text.release();
  return true;
}
