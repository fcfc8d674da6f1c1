#include "Cpu.h"

namespace quillo {

bool HasAvx2() {
#if defined(__x86_64__)
  static const bool avx2 = __builtin_cpu_supports("avx2");
  return avx2;
#else
  return false;
#endif
}

bool HasAvx512() {
#if defined(__x86_64__)
  static const bool avx512 =
      __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
      __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl") &&
      __builtin_cpu_supports("avx512vbmi");
  return avx512;
#else
  return false;
#endif
}

}  // namespace quillo
