#!/usr/bin/env bash
# Runs the benchmark under Wine on an Xvfb of its own, then measures how often the
# resident program wakes up while idle, from the Linux side: every Windows thread
# under Wine is a Linux thread, whose context switches the kernel counts.
set -u
source "$(dirname "$0")/wine-env.sh"
start_private_session || exit 1
trap end_private_session EXIT
bin="$root/build/bin"

echo "quickpaste benchmark, $(date -u +%Y-%m-%d), under Wine $(wine --version) on Linux ($(nproc) cores)"
echo
wine "$bin/paste_bench.exe"

# Context switches of all threads of the Linux process that runs the exe.
switches() {
  local pid=$1 total=0 n
  for status in /proc/"$pid"/task/*/status; do
    for n in $(awk '/ctxt_switches/ {print $2}' "$status" 2>/dev/null); do total=$((total + n)); done
  done
  echo $total
}

idle_wakeups() {
  local exe=$1 pid before after
  # Wine's loader becomes the program: the job is the program's Linux process.
  wine "$exe" &
  pid=$!
  sleep 7  # past start-up and the auto-hide worker's one wait
  before=$(switches "$pid")
  sleep 10
  after=$(switches "$pid")
  echo "scale=1; ($after - $before) / 10" | bc
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

echo
printf '| %-44s | %14s | %14s |\n' "measure" "quickpaste" "floor"
printf '|%s|%s|%s|\n' "$(printf -- '-%.0s' $(seq 46))" "$(printf -- '-%.0s' $(seq 16))" \
  "$(printf -- '-%.0s' $(seq 16))"
printf '| %-44s | %14s | %14s |\n' "idle wake-ups per second (over 10 s)" \
  "$(idle_wakeups "$bin/quickpaste.exe")" "$(idle_wakeups "$bin/floor_window.exe")"
printf '| %-44s | %11s KB | %14s |\n' "size of quickpaste.exe" \
  "$(( $(stat -c %s "$bin/quickpaste.exe") / 1024 ))" "goal: 512 KB"
