#!/usr/bin/env bash
# Makes the README's pictures from the built program under Wine: docs/window.png (the
# window as it starts) and docs/tray.png (the notification-area icon once the program
# has hidden itself). Wine draws its notification area as a small "Wine System Tray"
# window when no desktop shell provides one.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
start_private_session
exe="$root/build/bin/quickpaste.exe"
settings="$WINEPREFIX/drive_c/windows/qk_config.ini"
saved=$(mktemp)
[ -f "$settings" ] && cp "$settings" "$saved"
cleanup() {
  end_private_session
  if [ -s "$saved" ]; then cp "$saved" "$settings"; else rm -f "$settings"; fi
  rm -f "$saved"
}
trap cleanup EXIT
mkdir -p "$root/docs"

# Crops the root window to an X window's rectangle, with a margin.
shoot() {
  local pattern=$1 out=$2 geometry=""
  for i in $(seq 100); do
    geometry=$(xwininfo -root -tree | grep -E "$pattern" | grep -oE '[0-9]+x[0-9]+\+[0-9]+\+[0-9]+' | head -n 1 || true)
    [ -n "$geometry" ] && break
    sleep 0.1
  done
  [ -n "$geometry" ] || { echo "no window matching $pattern" >&2; return 1; }
  sleep 1  # let it paint
  local w h x y
  IFS='x+' read -r w h x y <<<"$geometry"
  import -window root -crop "$((w + 16))x$((h + 16))+$((x > 8 ? x - 8 : 0))+$((y > 8 ? y - 8 : 0))" \
    +repage "$out"
}

rm -f "$settings"
wine "$exe" &
program=$!
shoot '"quickpaste.exe".*211x143' "$root/docs/window.png"
kill "$program"
wait "$program" || true

# With start-with-system on, the program hides itself five seconds after it appears.
printf '[\xBF\xAA\xBB\xFA\xC6\xF4\xB6\xAF]\r\n\xBF\xAA\xBB\xFA\xD7\xB4\xCC\xAC=\xD5\xE6\r\n' >"$settings"
wine "$exe" &
sleep 6.5
shoot '"Wine System Tray"' "$root/docs/tray.png"
echo "wrote docs/window.png and docs/tray.png"
