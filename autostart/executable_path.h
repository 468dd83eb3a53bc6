// ExecutableName and RunDirectory: the program's file name and folder, derived once at
// start-up from the path Windows reports for it. Texts are in the ANSI code page.
#pragma once

#include <initializer_list>

#include "app/unique.h"

void DeriveExecutablePath();
// For the tests: derives both from a given path as DeriveExecutablePath does from the
// program's.
void DeriveExecutablePathFrom(const char* path);

// New heap texts, or null when the value is empty.
HeapText ExecutableName();
HeapText RunDirectory();

// The last backslash of text, going by characters of the ANSI code page: the second
// byte of a double-byte character is never taken for one, even when it is 0x5C.
// Null when there is none.
const char* FindLastBackslash(const char* text);

// Joins the texts into one new text, never null; a null text counts as empty.
HeapText TextConcat(std::initializer_list<const char*> texts);
