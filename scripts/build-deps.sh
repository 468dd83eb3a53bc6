#!/usr/bin/env bash
# Cross-builds zlib and libpng for i686-w64-mingw32 from Debian's source packages into
# build/deps/prefix, once: a finished prefix is left alone.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
deps=$root/build/deps
prefix=$deps/prefix
stamp=$prefix/.complete
[ -f "$stamp" ] && exit 0

host=i686-w64-mingw32
src=$deps/src
rm -rf "$src" "$prefix"
mkdir -p "$src" "$prefix"
cd "$src"
# Not every mirror serves every version's sources (a security mirror may lack them):
# take the newest version that downloads.
fetch_source() {
  local pkg=$1 v
  for v in $(apt-cache showsrc "$pkg" | sed -n 's/^Version: //p' | sort -urV); do
    if apt-get source -q --download-only "$pkg=$v" >/dev/null 2>&1; then
      echo "source: $pkg $v"
      return 0
    fi
  done
  echo "no source of $pkg could be downloaded" >&2
  return 1
}
fetch_source zlib
fetch_source libpng1.6
for dsc in *.dsc; do dpkg-source -x "$dsc" >/dev/null; done
jobs=$(nproc)

# zlib's CMake build wants win32/zlib1.rc, which Debian's source lacks; its own
# configure builds the static library alone.
zdir=$(find . -maxdepth 1 -type d -name 'zlib-*' | head -n 1)
(
  cd "$zdir"
  CHOST=$host CC=$host-gcc-posix AR=$host-ar RANLIB=$host-ranlib \
    ./configure --static --prefix="$prefix" >/dev/null
  make -j"$jobs" libz.a >/dev/null
  make install >/dev/null
)

pdir=$(find . -maxdepth 1 -type d -name 'libpng1.6-*' | head -n 1)
cmake -S "$pdir" -B "$deps/libpng-build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DQUICKPASTE_DEPS_PREFIX="$prefix" \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DZLIB_ROOT="$prefix" >/dev/null
cmake --build "$deps/libpng-build" -j"$jobs" >/dev/null
cmake --install "$deps/libpng-build" >/dev/null
touch "$stamp"
echo "libpng and zlib built into $prefix"
