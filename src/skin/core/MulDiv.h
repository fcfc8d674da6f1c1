#pragma once
// a x b / c computed without overflow and rounded to the nearest integer,
// halves away from zero. The skinned controls map values to pixels with it.
namespace quillo {

constexpr int MulDiv(int a, int b, int c) {
  const long long p = static_cast<long long>(a) * b;
  long long q = p / c;
  const long long r = p % c;
  const long long absR = r < 0 ? -r : r;
  const long long absC = c < 0 ? -static_cast<long long>(c) : c;
  if (2 * absR >= absC) q += (p < 0) != (c < 0) ? -1 : 1;
  return static_cast<int>(q);
}

}  // namespace quillo
