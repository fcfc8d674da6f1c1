#pragma once
// Choosing between a kernel's two builds at run time. Every vector kernel is
// built twice, once for the baseline instruction set and once for AVX2 (on
// processors other than x86-64 the second build is another baseline one and
// never chosen), and both give the same results bit for bit.

namespace quillo {

// True on an x86-64 processor with AVX2.
bool HasAvx2();

// The AVX2 build of a kernel where the processor has AVX2, else the baseline.
template <class Kernel>
Kernel ForThisProcessor(Kernel baseline, Kernel avx2) {
  return HasAvx2() ? avx2 : baseline;
}

}  // namespace quillo
