#!/bin/bash
# tests/lint/format.sh SOURCE_DIR
# Fails on any C++ file of the repository (tracked, or new and not ignored)
# that clang-format would change under the project's .clang-format.
set -euo pipefail
cd "$1"
format=${CLANG_FORMAT:-clang-format}
if ! command -v "$format" >/dev/null; then
  echo "clang-format is not installed (./quillo-dev installs it)"
  exit 1
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' |
    while IFS= read -r f; do [ -f "$f" ] && echo "$f"; done)
else
  mapfile -t files < <(find src tests tools bench fuzz -name '*.cpp' -o -name '*.h' | sort)
fi
# --dry-run -Werror reports every place it would change as
# "FILE:LINE:COLUMN: error: code should be clang-formatted"; one line per file here.
report=$(printf '%s\0' "${files[@]}" |
  xargs -0 "$format" --style=file --dry-run -Werror 2>&1 >/dev/null || true)
mapfile -t bad < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' \
  <<<"$report" | sort -u)
if [ ${#bad[@]} -eq 0 ] && grep -q "error" <<<"$report"; then
  echo "$report"
  exit 1
fi
for f in "${bad[@]}"; do
  echo "$f: not formatted as .clang-format says (clang-format -i $f)"
done
[ ${#bad[@]} -eq 0 ] && echo "${#files[@]} files formatted"
[ ${#bad[@]} -eq 0 ]
