#!/bin/bash
# tests/lint/includes.sh SOURCE_DIR
# Fails on an #include written with "..": headers are included by their path
# from src/ ("base/Bitmap.h") or from the including file's folder, so that the
# include folders of the build (cmake/QuilloSubsystem.cmake) decide what a
# target sees; a ".." walks around them.
set -euo pipefail
cd "$1"
status=0
# grep -n prints FILE:LINE:TEXT.
while IFS=: read -r file line text; do
  echo "$file:$line: an #include written with '..' (include by the path from src/ or from" \
    "the file's folder): $text"
  status=1
done < <(grep -rnE --include='*.cpp' --include='*.h' \
  '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]([^">]*/)?\.\.[/">]' src tests tools bench fuzz || true)
[ "$status" -eq 0 ] && echo "no #include with '..'"
exit "$status"
