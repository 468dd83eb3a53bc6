// Move-only owners for Windows handles and heap texts. "Empty" is whatever value the
// handle type uses for none: null for most, INVALID_HANDLE_VALUE for find handles.
#pragma once

#include <windows.h>

#include <cstddef>
#include <utility>

template <typename Traits>
class UniqueAny {
 public:
  using Type = typename Traits::Type;

  UniqueAny() noexcept = default;
  explicit UniqueAny(Type value) noexcept : value_(value) {}
  UniqueAny(UniqueAny&& other) noexcept : value_(other.release()) {}
  UniqueAny& operator=(UniqueAny&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueAny(const UniqueAny&) = delete;
  UniqueAny& operator=(const UniqueAny&) = delete;
  ~UniqueAny() { reset(); }

  Type get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != Traits::Empty(); }
  Type release() noexcept { return std::exchange(value_, Traits::Empty()); }
  void reset(Type value = Traits::Empty()) noexcept {
    Type old = std::exchange(value_, value);
    if (old != Traits::Empty()) Traits::Close(old);
  }

 private:
  Type value_ = Traits::Empty();
};

template <typename T, auto CloseFunction>
struct NullEmptyTraits {
  using Type = T;
  static constexpr Type Empty() noexcept { return nullptr; }
  static void Close(Type value) noexcept { CloseFunction(value); }
};

struct FindHandleTraits {
  using Type = HANDLE;
  static Type Empty() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Type value) noexcept { FindClose(value); }
};

struct HeapTextTraits {
  using Type = char*;
  static constexpr Type Empty() noexcept { return nullptr; }
  static void Close(Type value) noexcept { HeapFree(GetProcessHeap(), 0, value); }
};

using UniqueHandle = UniqueAny<NullEmptyTraits<HANDLE, &CloseHandle>>;
using UniqueFindHandle = UniqueAny<FindHandleTraits>;
using UniqueHkey = UniqueAny<NullEmptyTraits<HKEY, &RegCloseKey>>;
using UniqueHicon = UniqueAny<NullEmptyTraits<HICON, &DestroyIcon>>;
using UniqueHbitmap = UniqueAny<NullEmptyTraits<HBITMAP, &DeleteObject>>;
using UniqueHglobal = UniqueAny<NullEmptyTraits<HGLOBAL, &GlobalFree>>;

// A text on the process heap; null means no text.
using HeapText = UniqueAny<HeapTextTraits>;

// A failed allocation of a text is fatal (see ExitOnFatalError), so this never returns
// an empty owner.
HeapText AllocateHeapText(std::size_t bytes);

// Shows an error box and ends the process with -1. For the failures the program
// cannot go on from: a text it cannot allocate, a window it cannot build.
[[noreturn]] void ExitOnFatalError();
