#!/usr/bin/env bash
# Starts the built program under Wine. Without a display it brings up an Xvfb of its
# own, saves a screenshot of the window to build/screenshot.png and keeps the program
# running until Ctrl+C.
set -u
source "$(dirname "$0")/wine-env.sh"
exe="$root/build/bin/quickpaste.exe"
own_display=0
[ -z "${DISPLAY:-}" ] && own_display=1
start_xvfb_if_needed || exit 1
ensure_prefix

cleanup() {
  wineserver -k 2>/dev/null
  stop_xvfb
}
if [ $own_display -eq 1 ]; then trap cleanup EXIT; trap 'exit 130' INT TERM; fi

wine "$exe" &
program=$!

if [ $own_display -eq 0 ]; then
  wait $program
  exit $?
fi

# The window is there once Wine has mapped a window named after nothing but of our
# size; poll for it with a deadline rather than sleeping blindly.
for i in $(seq 150); do
  if xwininfo -root -tree 2>/dev/null | grep -q '211x143'; then break; fi
  kill -0 $program 2>/dev/null || { echo "quickpaste.exe ended early"; exit 1; }
  sleep 0.1
done
sleep 0.5  # let it paint
import -window root "$root/build/screenshot.png"
echo "quickpaste is running on Xvfb display $DISPLAY; screenshot saved to build/screenshot.png"
echo "Press Ctrl+C to stop."
wait $program
