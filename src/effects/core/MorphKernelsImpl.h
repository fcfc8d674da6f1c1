#pragma once
// Body of the morph engine's kernels, included by one source file per
// instruction set.
#include <algorithm>

#include "MorphKernels.h"
#if defined(__AVX2__)
#include <immintrin.h>
#endif

namespace quillo::morph {
namespace {

inline RealPoint Corresponding(const PictureLine& k, double u, double v) {
  return {k.px + u * k.dx + v * k.nx / k.length, k.py + u * k.dy + v * k.ny / k.length};
}

inline LineInfluence Influence(const PreparedLine& l, double x, double y) {
  LineInfluence r;
  const double ax = x - l.px, ay = y - l.py;
  const double bx = x - l.qx, by = y - l.qy;
  r.a = ax * ax + ay * ay;
  r.b = bx * bx + by * by;
  r.c = (r.a + r.b - l.lengthSquared) * 0.5;
  r.d = r.c >= 0 ? r.c : (r.a >= r.b ? r.b : r.a);
  const double q = l.rootLength / (r.d + kDistanceOffset);
  r.weight = q * q;
  r.u = (ax * l.dx + ay * l.dy) / l.lengthSquared;
  r.v = (ax * l.dy + ay * -l.dx) / l.length;
  r.point1 = Corresponding(l.one, r.u, r.v);
  r.point2 = Corresponding(l.two, r.u, r.v);
  return r;
}

inline double NodeX(int n) {
  return kGridStep * (n % kGridNodes);
}
inline double NodeY(int n) {
  return kGridStep * (n / kGridNodes);
}

#if defined(__AVX2__)
// The nodes n..n+3, every line in order: Influence and the sums, lane by lane.
inline void AddLinesToFour(const PreparedLine* lines, int count, NodeSums& sums, int n) {
  const __m256d x = _mm256_setr_pd(NodeX(n), NodeX(n + 1), NodeX(n + 2), NodeX(n + 3));
  const __m256d y = _mm256_setr_pd(NodeY(n), NodeY(n + 1), NodeY(n + 2), NodeY(n + 3));
  __m256d s1x = _mm256_loadu_pd(&sums.s1x[n]), s1y = _mm256_loadu_pd(&sums.s1y[n]);
  __m256d s2x = _mm256_loadu_pd(&sums.s2x[n]), s2y = _mm256_loadu_pd(&sums.s2y[n]);
  __m256d w = _mm256_loadu_pd(&sums.w[n]);
  const __m256d zero = _mm256_setzero_pd();
  const __m256d half = _mm256_set1_pd(0.5);
  const __m256d offset = _mm256_set1_pd(kDistanceOffset);
  // The vector types' operators are the lane-wise IEEE operations.
  auto all = [](const double& v) { return _mm256_broadcast_sd(&v); };
  for (int i = 0; i < count; ++i) {
    const PreparedLine& l = lines[i];
    const __m256d ax = x - all(l.px), ay = y - all(l.py);
    const __m256d bx = x - all(l.qx), by = y - all(l.qy);
    const __m256d a = ax * ax + ay * ay;
    const __m256d b = bx * bx + by * by;
    const __m256d c = (a + b - all(l.lengthSquared)) * half;
    const __m256d nearer = _mm256_blendv_pd(a, b, _mm256_cmp_pd(a, b, _CMP_GE_OQ));
    const __m256d d = _mm256_blendv_pd(nearer, c, _mm256_cmp_pd(c, zero, _CMP_GE_OQ));
    const __m256d q = all(l.rootLength) / (d + offset);
    const __m256d weight = q * q;
    const __m256d u = (ax * all(l.dx) + ay * all(l.dy)) / all(l.lengthSquared);
    const double minusDx = -l.dx;
    const __m256d v = (ax * all(l.dy) + ay * all(minusDx)) / all(l.length);
    // Corresponding(): start + u D + v N / length, for one coordinate.
    auto along = [&](const double& p, const double& dk, const double& nk, const double& length) {
      return all(p) + u * all(dk) + v * all(nk) / all(length);
    };
    const PictureLine& one = l.one;
    const PictureLine& two = l.two;
    s1x = s1x + weight * (along(one.px, one.dx, one.nx, one.length) - x);
    s1y = s1y + weight * (along(one.py, one.dy, one.ny, one.length) - y);
    s2x = s2x + weight * (along(two.px, two.dx, two.nx, two.length) - x);
    s2y = s2y + weight * (along(two.py, two.dy, two.ny, two.length) - y);
    w = w + weight;
  }
  _mm256_storeu_pd(&sums.s1x[n], s1x);
  _mm256_storeu_pd(&sums.s1y[n], s1y);
  _mm256_storeu_pd(&sums.s2x[n], s2x);
  _mm256_storeu_pd(&sums.s2y[n], s2y);
  _mm256_storeu_pd(&sums.w[n], w);
}
#endif

inline void AddLines(const PreparedLine* lines, int count, NodeSums& sums, int first, int last) {
  int n = first;
#if defined(__AVX2__)
  for (; n + 4 <= last; n += 4) AddLinesToFour(lines, count, sums, n);
#endif
  for (int i = 0; i < count; ++i) {
    for (int node = n; node < last; ++node) {
      const double x = NodeX(node), y = NodeY(node);
      const LineInfluence r = Influence(lines[i], x, y);
      sums.s1x[node] += r.weight * (r.point1.x - x);
      sums.s1y[node] += r.weight * (r.point1.y - y);
      sums.s2x[node] += r.weight * (r.point2.x - x);
      sums.s2y[node] += r.weight * (r.point2.y - y);
      sums.w[node] += r.weight;
    }
  }
}

constexpr int kLast = kMorphSize - 1;
constexpr int kCells = kGridNodes - 1;

// One coordinate of the source places of row y, as whole pixels: the node
// columns' values, interpolated along x except for column 144, which is a
// node column itself; then truncated toward zero. The clamped nodes already
// keep the places within 0..144; the bound only guards the fetch.
inline void RowPlaces(const NodeColumns& columns, int y, int* out) {
  int a = 0;
#if defined(__AVX2__)
  const __m256d last = _mm256_set1_pd(kLast);
  for (; a < kCells; ++a) {
    const __m256d left = _mm256_set1_pd(columns[a][y]);
    const __m256d step = _mm256_set1_pd(columns[a + 1][y] - columns[a][y]);
    for (int s = 0; s < kGridStep; s += 4) {
      const __m256d v =
          _mm256_add_pd(left, _mm256_mul_pd(step, _mm256_loadu_pd(kFractions.data() + s)));
      // min(last, v) is std::min(v, last), NaN included.
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + kGridStep * a + s),
                       _mm256_cvttpd_epi32(_mm256_min_pd(last, v)));
    }
  }
#endif
  for (; a < kCells; ++a) {
    const double left = columns[a][y];
    const double step = columns[a + 1][y] - left;
    for (int s = 0; s < kGridStep; ++s)
      out[kGridStep * a + s] =
          static_cast<int>(std::min(left + step * kFractions[s], double{kLast}));
  }
  out[kLast] = static_cast<int>(std::min(columns[kCells][y], double{kLast}));
}

#if defined(__AVX2__)
// The pixels at the four indices.
inline __m128i FetchFour(const Pixel* picture, __m128i index) {
  alignas(16) int i[4];
  _mm_store_si128(reinterpret_cast<__m128i*>(i), index);
  return _mm_setr_epi32(static_cast<int>(picture[i[0]]), static_cast<int>(picture[i[1]]),
                        static_cast<int>(picture[i[2]]), static_cast<int>(picture[i[3]]));
}
#endif

inline void ComputeRows(const FrameRows& f, int first, int last) {
  alignas(16) int x1[kMorphSize], y1[kMorphSize], x2[kMorphSize], y2[kMorphSize];
  for (int y = first; y < last; ++y) {
    RowPlaces(f.x1, y, x1);
    RowPlaces(f.y1, y, y1);
    RowPlaces(f.x2, y, x2);
    RowPlaces(f.y2, y, y2);
    Pixel* out = f.frame.Row(y);
    int x = 0;
#if defined(__AVX2__)
    const __m128i side = _mm_set1_epi32(kMorphSize);
    const __m256d keep = _mm256_set1_pd(f.keep);
    const __m256d take = _mm256_set1_pd(f.take);
    const __m128i byte = _mm_set1_epi32(0xFF);
    for (; x + 4 <= kMorphSize; x += 4) {
      auto index = [&](const int* xs, const int* ys) {
        const __m128i column = _mm_load_si128(reinterpret_cast<const __m128i*>(xs + x));
        const __m128i row = _mm_load_si128(reinterpret_cast<const __m128i*>(ys + x));
        return _mm_add_epi32(_mm_mullo_epi32(row, side), column);
      };
      const __m128i p1 = FetchFour(f.one, index(x1, y1));
      const __m128i p2 = FetchFour(f.two, index(x2, y2));
      __m128i result = _mm_setzero_si128();
      // trunc(c1 x (1 - t) + c2 x t) for blue, green and red.
      for (int shift = 0; shift < 24; shift += 8) {
        auto channel = [&](__m128i p) {
          return _mm256_cvtepi32_pd(_mm_and_si128(_mm_srli_epi32(p, shift), byte));
        };
        const __m256d v =
            _mm256_add_pd(_mm256_mul_pd(channel(p1), keep), _mm256_mul_pd(channel(p2), take));
        result = _mm_or_si128(result, _mm_slli_epi32(_mm256_cvttpd_epi32(v), shift));
      }
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), result);
    }
#endif
    for (; x < kMorphSize; ++x) {
      const Pixel p1 = f.one[y1[x] * kMorphSize + x1[x]];
      const Pixel p2 = f.two[y2[x] * kMorphSize + x2[x]];
      auto mix = [&](int shift) {
        return static_cast<int>(static_cast<double>((p1 >> shift) & 0xFF) * f.keep +
                                static_cast<double>((p2 >> shift) & 0xFF) * f.take);
      };
      out[x] = MakePixel(mix(16), mix(8), mix(0));
    }
  }
}

}  // namespace
}  // namespace quillo::morph
