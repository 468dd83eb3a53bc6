#!/usr/bin/env bash
# Runs CTest under one Xvfb and one wineserver for the whole run. The tests always get
# a display of their own: they press keys and fill the clipboard, which must not reach
# a user's desktop.
set -u
source "$(dirname "$0")/wine-env.sh"
unset DISPLAY
start_xvfb_if_needed || exit 1
ensure_prefix
# One wineserver for every test: its start-up is paid once.
wineserver -p
wine cmd /c exit 0 >/dev/null 2>&1
ctest --test-dir "$root/build" --output-on-failure "$@"
rc=$?
wineserver -k 2>/dev/null
stop_xvfb
exit $rc
