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

// The text ends at its first zero character or at the end of the block, whichever
// comes first: a program may put a block there without the terminating zero.
std::size_t BoundedLength(const wchar_t* text, std::size_t blockBytes) {
  const std::size_t capacity = blockBytes / sizeof(wchar_t);
  const wchar_t* end = std::char_traits<wchar_t>::find(text, capacity, L'\0');
  return end ? static_cast<std::size_t>(end - text) : capacity;
}

}  // namespace

bool OpenClipboardWithRetry(HWND owner) {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (attempt > 0) Sleep(kOpenRetryDelayMs);
    if (OpenClipboard(owner)) return true;
  }
  return false;
}

std::optional<HeapWideText> ReadClipboardText(HWND owner) {
  ClipboardSession clipboard(owner);
  if (!clipboard.IsOpen()) return std::nullopt;
  HANDLE block = GetClipboardData(CF_UNICODETEXT);
  if (!block) return HeapWideText();
  GlobalLockGuard lock(block);
  const auto* source = static_cast<const wchar_t*>(lock.data());
  if (!source) return HeapWideText();
  const std::size_t length = BoundedLength(source, GlobalSize(block));
  if (length == 0) return HeapWideText();
  HeapWideText copy = AllocateHeapWideText(length + 1);
  std::memcpy(copy.get(), source, length * sizeof(wchar_t));
  copy.get()[length] = L'\0';
  return copy;
}

bool WriteClipboardText(HWND owner, const wchar_t* text, std::size_t length) {
  ClipboardSession clipboard(owner);
  if (!clipboard.IsOpen()) return false;
  EmptyClipboard();
  UniqueHglobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (length + 1) * sizeof(wchar_t)));
  if (!block) return false;
  {
    GlobalLockGuard lock(block.get());
    if (!lock.data()) return false;
    std::memcpy(lock.data(), text, length * sizeof(wchar_t));
  }
  // The clipboard owns the block only once it has taken it.
  if (SetClipboardData(CF_UNICODETEXT, block.get())) block.release();
  return true;
}
