#pragma once
// Choosing between a kernel's builds at run time. Every vector kernel is
// built twice, once for the baseline instruction set and once for AVX2, and
// a few a third time for AVX-512 (on processors other than x86-64 these are
// further baseline builds and never chosen); all give the same results bit
// for bit.

namespace quillo {

// True on an x86-64 processor with AVX2.
bool HasAvx2();

// True on an x86-64 processor with the AVX-512 extensions the kernels use:
// the foundation, byte and word, double and quadword, vector length and byte
// permutation instructions.
bool HasAvx512();

// The AVX2 build of a kernel where the processor has AVX2, else the baseline.
template <class Kernel>
Kernel ForThisProcessor(Kernel baseline, Kernel avx2) {
  return HasAvx2() ? avx2 : baseline;
}

// The same with an AVX-512 build, chosen first where the processor has it.
template <class Kernel>
Kernel ForThisProcessor(Kernel baseline, Kernel avx2, Kernel avx512) {
  return HasAvx512() ? avx512 : ForThisProcessor(baseline, avx2);
}

}  // namespace quillo
