#include <windows.h>

#include <gtest/gtest.h>

// The users' systems run with the simplified-Chinese ANSI code page; the tests must too,
// or the settings file's GBK bytes would mean something else.
TEST(Environment, AnsiCodePageIs936) {
  EXPECT_EQ(GetACP(), 936u);
}
