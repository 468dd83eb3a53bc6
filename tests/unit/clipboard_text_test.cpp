#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "paste/clipboard_text.h"

// The text sits at the very end of a readable page, with an inaccessible page after it:
// a read past the block's end faults instead of going unnoticed.
TEST(ClipboardText, LengthStopsAtTheEndOfTheBlock) {
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  const DWORD page = system.dwPageSize;
  auto* pages =
      static_cast<char*>(VirtualAlloc(nullptr, 2 * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
  ASSERT_TRUE(pages);
  DWORD old;
  ASSERT_TRUE(VirtualProtect(pages + page, page, PAGE_NOACCESS, &old));
  const struct {
    const wchar_t* text;
    std::size_t characters;  // what the block holds, without any zero after it
    std::size_t expected;
  } cases[] = {
      {L"abc", 3, 3}, {L"ab\0c", 4, 2}, {L"\0", 1, 0}, {L"", 0, 0}, {L"x", 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.characters << " characters");
    auto* block = reinterpret_cast<wchar_t*>(pages + page - c.characters * sizeof(wchar_t));
    std::memcpy(block, c.text, c.characters * sizeof(wchar_t));
    EXPECT_EQ(BoundedTextLength(block, c.characters * sizeof(wchar_t)), c.expected);
  }
  // An odd byte at the end is half a character, not part of the text.
  auto* odd = reinterpret_cast<wchar_t*>(pages + page - 3);
  EXPECT_EQ(BoundedTextLength(odd, 3), 1u);
  VirtualFree(pages, 0, MEM_RELEASE);
}
