#!/usr/bin/env bash
# Runs one Windows program under Wine in the project's prefix; CTest's emulator.
# Inside a test session (scripts/test-session.sh) the display and the wineserver are
# already up; run alone it brings up what is missing and takes it down afterwards.
set -u
source "$(dirname "$0")/wine-env.sh"
start_xvfb_if_needed || exit 1
ensure_prefix
wine "$@"
rc=$?
if [ -n "$xvfb_pid" ]; then
  wineserver -k 2>/dev/null
  stop_xvfb
fi
exit $rc
