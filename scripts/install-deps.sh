#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, once.
# The cross toolchain, Wine (32-bit), Xvfb, the fonts Wine draws the Chinese texts
# with, ImageMagick for screenshots and the asset script, and source packages
# (libpng, zlib) for the cross-built dependencies.
set -euo pipefail

packages=(
  cmake make g++-mingw-w64-i686 binutils-mingw-w64-i686 dpkg-dev
  wine wine32:i386 xvfb xauth x11-utils imagemagick
  fonts-wqy-zenhei fonts-wine locales googletest bc
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

have_src_entry() {
  grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/
}

need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi

# apt-get source needs deb-src entries: derive them from the machine's own deb
# entries, so that the same mirrors serve the sources.
if ! have_src_entry; then
  out=/etc/apt/sources.list.d/quickpaste-deb-src
  tmp=$(mktemp)
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    grep -qE '^URIs:.*debian' "$f" || continue
    sed -E 's/^Types:.*/Types: deb-src/' "$f"
    echo
  done > "$tmp"
  [ -s "$tmp" ] && cp "$tmp" "$out.sources"
  if [ -f /etc/apt/sources.list ]; then
    sed -nE 's/^deb (\[[^]]*\] )?/deb-src \1/p' /etc/apt/sources.list > "$tmp"
    [ -s "$tmp" ] && cp "$tmp" "$out.list"
  fi
  rm -f "$tmp"
  need_update=1
fi

if [ ${#missing[@]} -eq 0 ] && [ $need_update -eq 0 ]; then
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -q
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes its ANSI code page from the locale; zh_CN.UTF-8 gives 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  locale-gen
fi
