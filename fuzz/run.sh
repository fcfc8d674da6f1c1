#!/bin/bash
# fuzz/run.sh BUILD_DIR SECONDS [EXTRA LIBFUZZER OPTIONS...]
# Configures BUILD_DIR with clang, ASan and UBSan and with Qt (the picture
# loader's target needs it), builds only the fuzz targets and runs each for
# SECONDS on its seed corpus. A target is fuzz/<name>_fuzzer.cpp with seeds in
# fuzz/corpus/<name>/ and an optional dictionary fuzz/<name>.dict; new targets
# need nothing else unless they need Qt (fuzz/Targets.cmake). Inputs found on
# the way go to BUILD_DIR/fuzz-work/<name>/corpus (the seeds in the repository
# are only read), crashes to BUILD_DIR/fuzz-work/<name>/crashes.
# Exits non-zero when a target crashes or cannot be built.
#
# A crash worth keeping goes into fuzz/corpus/<name>/ once it is fixed: the
# ordinary test build replays every corpus as the CTest test fuzz_replay.<name>
# (fuzz/Replay.cmake), also under the sanitizers, so it stays fixed.
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 BUILD_DIR SECONDS [LIBFUZZER OPTIONS...]" >&2
  exit 2
fi
build=$1
seconds=$2
shift 2
source_dir=$(cd "$(dirname "$0")/.." && pwd)

targets=()
for source in "$source_dir"/fuzz/*_fuzzer.cpp; do targets+=("$(basename "$source" .cpp)"); done

cmake -S "$source_dir" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLO_CORE_ONLY=OFF -DQUILLO_TESTS=OFF -DQUILLO_FUZZ=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"

# Known leaks of third-party decoders (see the file) do not end a run.
export LSAN_OPTIONS="suppressions=$source_dir/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

status=0
for target in "${targets[@]}"; do
  name=${target%_fuzzer}
  work=$build/fuzz-work/$name
  mkdir -p "$work/corpus" "$work/crashes"
  options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/crashes/")
  if [ -f "$source_dir/fuzz/$name.dict" ]; then options+=(-dict="$source_dir/fuzz/$name.dict"); fi
  seeds=()
  if [ -d "$source_dir/fuzz/corpus/$name" ]; then seeds+=("$source_dir/fuzz/corpus/$name"); fi
  echo "== $target for $seconds s"
  if ! "$build/fuzz/$target" "${options[@]}" "$@" "$work/corpus" "${seeds[@]}"; then
    echo "== $target FAILED; see $work/crashes" >&2
    status=1
  fi
done
exit $status
