#!/bin/bash
# tests/lint/kernel_symbols.sh OBJECT...
# The objects of the vector kernels (the *Avx2.cpp of quillo_kernel_pair, the
# *Avx512.cpp of quillo_kernel_avx512) may define, beyond their local symbols,
# only their entry points (functions whose names end in Avx2 or Avx512) and
# weak data (the reference to the C++ personality routine; a header's inline
# constant, which unoptimised builds emit). A weak function there is library
# or header code instantiated out of line: the linker keeps one copy for the
# whole program, which may be the vector one, and a baseline caller then runs
# vector instructions. Any other global definition
# would be shared with the baseline build in the same way.
set -euo pipefail
if [ $# -eq 0 ]; then
  echo "no kernel objects given"
  exit 1
fi
status=0
for object in "$@"; do
  # nm -C --defined-only: "ADDRESS TYPE NAME"; lowercase types are local,
  # except the weak ones (v, w) and GNU unique symbols (u). V, v and u are
  # data, W and w code.
  while IFS= read -r line; do
    type=$(awk '{print $2}' <<<"$line")
    name=$(cut -d' ' -f3- <<<"$line")
    case "$type" in
      V | v | u) continue ;;
      W | w)
        what="a weak function"
        ;;
      T | i)
        [[ "$name" =~ ^[^\(]*Avx(2|512)\( ]] && continue
        what="a global function that is not a kernel entry point (named ...Avx2 or ...Avx512)"
        ;;
      [A-Z])
        what="a global definition"
        ;;
      *) continue ;;
    esac
    echo "$object: $what in a vector kernel's object: $type $name"
    status=1
  done < <(nm -C --defined-only "$object")
done
[ "$status" -eq 0 ] && echo "$# AVX2 kernel objects define only their entry points"
exit "$status"
