#include "Cpu.h"

#include <cstdlib>
#include <cstring>

namespace quillo {

#if defined(__x86_64__)
namespace {

// QUILLO_VECTORS=avx2 or =baseline holds the kernels to that build, so that a
// benchmark on a newer processor can measure what an older one runs.
bool Allowed(const char* build) {
  const char* limit = std::getenv("QUILLO_VECTORS");
  if (!limit) return true;
  if (std::strcmp(limit, "baseline") == 0) return false;
  return std::strcmp(limit, "avx2") != 0 || std::strcmp(build, "avx2") == 0;
}

}  // namespace
#endif

bool HasAvx2() {
#if defined(__x86_64__)
  static const bool avx2 = __builtin_cpu_supports("avx2") && Allowed("avx2");
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
      __builtin_cpu_supports("avx512vbmi") && Allowed("avx512");
  return avx512;
#else
  return false;
#endif
}

}  // namespace quillo
