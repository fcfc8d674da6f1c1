#!/usr/bin/env bash
# Start-up of Quillo in a virtual X server: the time from starting the
# program to its first painted home frame, over several runs, then three runs
# of five seconds each with SDL's disk driver for the time to the start cue's
# first sound and the peak resident memory:
#   bench/startup.sh path/to/quillo [RUNS]
# Prints each run and the medians. The timer is the StartupTime program of
# the same build (bench/startup/StartupTime.cpp, built with
# -DQUILLO_BENCH=ON); STARTUP_TIME names another one.
set -euo pipefail

readonly TIMEOUT_MS=20000 # one start may take this long
readonly HELD_RUNS=3
readonly HOLD_MS=5000

usage() {
  echo "usage: $0 path/to/quillo [RUNS]" >&2
  exit 2
}

# Runs the program RUNS times and prints "paint" and the time in
# microseconds a line, then HELD_RUNS held runs as "held", the time to the
# first painted frame and to the first sound in microseconds and the peak
# memory in kilobytes.
measure() {
  local timer=$1 quillo=$2 runs=$3 work
  work=$(mktemp -d "${TMPDIR:-/tmp}/quillo-startup.XXXXXX")
  # An empty current folder: nothing there is opened at exit; the music's
  # rendering is kept between the held runs, as between a user's starts.
  cd "$work"
  export XDG_RUNTIME_DIR=$work XDG_CACHE_HOME=$work/cache
  for _ in $(seq 1 "$runs"); do
    echo "paint $("$timer" "$work/stamp" "$TIMEOUT_MS" "$quillo")" || {
      rm -rf "$work"
      return 1
    }
  done
  for _ in $(seq 1 "$HELD_RUNS"); do
    rm -f "$work/sound.raw"
    echo "held $(SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/sound.raw STARTUP_HOLD_MS=$HOLD_MS \
      "$timer" "$work/stamp" "$TIMEOUT_MS" "$quillo" 2>/dev/null)" || {
      rm -rf "$work"
      return 1
    }
  done
  rm -rf "$work"
}

# The median of numbers a line.
median() {
  sort -n | awk '{ t[NR] = $1 } END { print NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'
}

# Prints the runs in their order, then the medians, from measure's lines.
summarise() {
  local lines paint held
  lines=$(cat)
  paint=$(awk '$1 == "paint" { print $2 }' <<<"$lines")
  held=$(awk '$1 == "held"' <<<"$lines")
  [ -n "$paint" ] && [ -n "$held" ] || return 1
  awk '{ printf "run %d: %.1f ms\n", NR, $1 / 1000 }' <<<"$paint"
  awk '{ printf "first paint: median %.1f ms, min %.1f ms over %d runs\n", $1 / 1000, $2 / 1000, $3 }' \
    <<<"$(median <<<"$paint") $(sort -n <<<"$paint" | head -1) $(wc -l <<<"$paint")"
  awk '{ printf "held run %d: first paint %.1f ms, start cue sounding at %.1f ms, peak memory %.1f MB\n",
         NR, $2 / 1000, $3 / 1000, $4 / 1024 }' <<<"$held"
  awk '{ printf "start cue: median %.1f ms; peak memory of a %d s run: median %.1f MB\n", $1 / 1000, $3, $2 / 1024 }' \
    <<<"$(awk '{ print $3 }' <<<"$held" | median) $(awk '{ print $4 }' <<<"$held" | median) $((HOLD_MS / 1000))"
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
  # Without a sound card the sound library stays quiet; a chosen driver is
  # kept for the timed runs (the held ones use the disk driver).
  export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
  export QUILLO_STARTUP_DISPLAY_READY=1
  echo "load: $(uptime)"
  xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" "$0" "$quillo" "$runs" | summarise
}

main "$@"
