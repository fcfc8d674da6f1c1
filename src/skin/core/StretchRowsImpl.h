#pragma once
// Body of SmoothDraw's row kernels, included by one source file per
// instruction set. A destination row mixes two source rows, each first
// stretched along x per channel, h = (1 - wx) x left + wx x right, and kept
// for the next destination rows; then v = (1 - wy) x hUpper + wy x hLower is
// truncated. These are the formula's own operations in its own order, so
// computing each stretched source row once changes no bit.
#include <array>
#include <cstdint>

#include "StretchRows.h"
#if defined(__AVX2__)
#include <immintrin.h>
#endif

namespace quillo::stretch {
namespace {

// Byte values as doubles, so that the scalar loops do no conversions.
inline const std::array<double, 256>& ByteValues() {
  static const auto table = [] {
    std::array<double, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = i;
    return t;
  }();
  return table;
}

// Source row `row` stretched along x: blue, green and red as three doubles
// per visible column, from out[0]. out holds one double more than that.
inline void StretchAlongX(const Plan& p, int row, double* out) {
  const auto* source = reinterpret_cast<const std::uint8_t*>(p.picture.Row(row));
  const int n = static_cast<int>(p.columns.near.size());
  int i = 0;
#if defined(__AVX2__)
  // A pixel's four bytes as four doubles; the fourth lane is overwritten by
  // the next column's blue, and the last one lands in the spare double.
  auto channels = [source](int column) {
    int bytes;
    __builtin_memcpy(&bytes, source + 4 * column, 4);
    return _mm256_cvtepi32_pd(_mm_cvtepu8_epi32(_mm_cvtsi32_si128(bytes)));
  };
  for (; i < n; ++i) {
    const __m256d left =
        _mm256_mul_pd(_mm256_broadcast_sd(&p.columns.keep[i]), channels(p.columns.near[i]));
    const __m256d right =
        _mm256_mul_pd(_mm256_broadcast_sd(&p.columns.take[i]), channels(p.columns.far[i]));
    _mm256_storeu_pd(out + 3 * i, _mm256_add_pd(left, right));
  }
#endif
  const std::array<double, 256>& byte = ByteValues();
  for (; i < n; ++i) {
    const std::uint8_t* left = source + 4 * p.columns.near[i];
    const std::uint8_t* right = source + 4 * p.columns.far[i];
    for (int c = 0; c < 3; ++c)
      out[3 * i + c] = p.columns.keep[i] * byte[left[c]] + p.columns.take[i] * byte[right[c]];
  }
}

// Destination row y from its two stretched source rows; the fourth byte of
// every pixel is 0.
inline void MixRows(const Plan& p, int y, const double* upper, const double* lower, Pixel* out) {
  const double gy = p.rows.keep[y];
  const double wy = p.rows.take[y];
  const int n = static_cast<int>(p.columns.near.size());
  int i = 0;
#if defined(__AVX2__)
  const __m256d keep = _mm256_set1_pd(gy);
  const __m256d take = _mm256_set1_pd(wy);
  // The twelve channels of four pixels, blue, green, red each, packed to
  // bytes and spread to four pixels with a zero fourth byte.
  const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
  for (; i + 4 <= n; i += 4) {
    auto mix = [&](int k) {
      const __m256d u = _mm256_loadu_pd(upper + 3 * i + 4 * k);
      const __m256d l = _mm256_loadu_pd(lower + 3 * i + 4 * k);
      return _mm256_cvttpd_epi32(_mm256_add_pd(_mm256_mul_pd(keep, u), _mm256_mul_pd(take, l)));
    };
    const __m128i a = mix(0), b = mix(1), c = mix(2);
    const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, c));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_shuffle_epi8(bytes, spread));
  }
#endif
  for (; i < n; ++i) {
    int channel[3];
    for (int c = 0; c < 3; ++c)
      channel[c] = static_cast<int>(gy * upper[3 * i + c] + wy * lower[3 * i + c]);
    out[i] = MakePixel(channel[2], channel[1], channel[0]);
  }
}

inline void StretchRows(const Plan& p, int first, int last) {
  const std::size_t size = 3 * p.columns.near.size() + 1;
  std::vector<double> buffers[2] = {std::vector<double>(size), std::vector<double>(size)};
  int held[2] = {-1, -1};  // the source row in each buffer
  // The stretched source row, computed into the buffer that does not hold
  // `keep` unless it is there already.
  auto stretched = [&](int row, int keep) -> const double* {
    for (int k = 0; k < 2; ++k)
      if (held[k] == row) return buffers[k].data();
    const int k = held[0] == keep ? 1 : 0;
    StretchAlongX(p, row, buffers[k].data());
    held[k] = row;
    return buffers[k].data();
  };
  for (int y = first; y < last; ++y) {
    const double* upper = stretched(p.rows.near[y], p.rows.far[y]);
    const double* lower = stretched(p.rows.far[y], p.rows.near[y]);
    MixRows(p, y, upper, lower, p.canvas.Row(p.top + y) + p.left);
  }
}

}  // namespace
}  // namespace quillo::stretch
