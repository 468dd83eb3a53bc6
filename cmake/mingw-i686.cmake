# Cross toolchain: 32-bit Windows with MinGW-w64. The posix-thread variant of the
# compilers is the one with std::mutex and std::thread, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

# The cross-built libpng and zlib live in a prefix of our own (scripts/build-deps.sh).
set(QUICKPASTE_DEPS_PREFIX "${CMAKE_CURRENT_LIST_DIR}/../build/deps/prefix" CACHE PATH
    "Prefix of the cross-built libpng and zlib")
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32 "${QUICKPASTE_DEPS_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run the Windows executables under Wine through the project's wrapper.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh")
