#!/usr/bin/env bash
# Start-up time of Quillo: from starting the program to its first painted
# home frame, in a virtual X server, over several runs:
#   bench/startup.sh path/to/quillo [RUNS]
# Prints each run and the median and minimum in milliseconds. The timer is
# the StartupTime program of the same build (bench/startup/StartupTime.cpp,
# built with -DQUILLO_BENCH=ON); STARTUP_TIME names another one.
set -euo pipefail

readonly TIMEOUT_MS=20000 # one start may take this long

usage() {
  echo "usage: $0 path/to/quillo [RUNS]" >&2
  exit 2
}

# Runs the program RUNS times and prints one time in microseconds a line.
measure() {
  local timer=$1 quillo=$2 runs=$3 work
  work=$(mktemp -d "${TMPDIR:-/tmp}/quillo-startup.XXXXXX")
  # An empty current folder: nothing there is opened at exit.
  cd "$work"
  export XDG_RUNTIME_DIR=$work
  for _ in $(seq 1 "$runs"); do
    "$timer" "$work/stamp" "$TIMEOUT_MS" "$quillo" || {
      rm -rf "$work"
      return 1
    }
  done
  rm -rf "$work"
}

# Prints the runs in their order, then their median and minimum, from
# microseconds a line.
summarise() {
  local times
  times=$(cat)
  [ -n "$times" ] || return 1
  awk '{ printf "run %d: %.1f ms\n", NR, $1 / 1000 }' <<<"$times"
  sort -n <<<"$times" | awk '
    { t[NR] = $1 / 1000 }
    END {
      m = NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
      printf "median %.1f ms, min %.1f ms over %d runs\n", m, t[1], NR
    }'
}

main() {
  if [ $# -lt 1 ] || [ $# -gt 2 ] || [ ! -x "$1" ]; then usage; fi
  local quillo runs=${2:-10} timer
  quillo=$(realpath "$1")
  [[ "$runs" =~ ^[1-9][0-9]*$ ]] || usage
  timer=${STARTUP_TIME:-$(dirname "$quillo")/bench/StartupTime}
  if [ ! -x "$timer" ]; then
    echo "no start-up timer at $timer: build the StartupTime target (-DQUILLO_BENCH=ON)" >&2
    exit 2
  fi
  # Inside the virtual server: measure only.
  if [ -n "${QUILLO_STARTUP_DISPLAY_READY:-}" ]; then
    measure "$timer" "$quillo" "$runs"
    return
  fi
  # Without a sound card the sound library stays quiet; a chosen driver is kept.
  export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
  export QUILLO_STARTUP_DISPLAY_READY=1
  echo "load: $(uptime)"
  xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" "$0" "$quillo" "$runs" | summarise
}

main "$@"
