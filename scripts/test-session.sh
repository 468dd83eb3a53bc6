#!/usr/bin/env bash
# Runs CTest under one Xvfb and one wineserver for the whole run.
set -u
source "$(dirname "$0")/wine-env.sh"
start_private_session || exit 1
ctest --test-dir "$root/build" --output-on-failure "$@"
rc=$?
end_private_session
exit $rc
