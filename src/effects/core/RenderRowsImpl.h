#pragma once
// Body of the row kernels, included by one source file per instruction set.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "MirrorKind.h"
#include "RenderRows.h"
#if defined(__AVX2__)
#include <immintrin.h>
#endif

namespace quillo::render {
namespace {

// The face at (px, py), white outside it: the nearest pixel, or the
// bilinear blend of the four around the point.
inline Pixel SampleAt(const Bitmap& face, int w, int h, bool smooth, double px, double py) {
  // Written as "not inside" so that a field gone to infinity (NaN) is white too.
  if (!(px >= 0 && px <= w - 1 && py >= 0 && py <= h - 1)) return kWhite;
  if (!smooth) {
    const int ix = static_cast<int>(px + 0.499);
    const int iy = static_cast<int>(py + 0.499);
    return face.Row(iy)[ix];
  }
  int ix = static_cast<int>(px);
  int iy = static_cast<int>(py);
  double fx = px - ix;
  double fy = py - iy;
  if (ix >= w - 2) {
    ix = w - 2;
    fx = 0;
  }
  if (iy >= h - 2) {
    iy = h - 2;
    fy = 0;
  }
  const Pixel* upper = face.Row(iy) + ix;
  const Pixel* lower = face.Row(iy + 1) + ix;
  Pixel result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const double p00 = (upper[0] >> shift) & 0xFF;
    const double p10 = (upper[1] >> shift) & 0xFF;
    const double p01 = (lower[0] >> shift) & 0xFF;
    const double p11 = (lower[1] >> shift) & 0xFF;
    const double v = (p00 * (1 - fx) + p10 * fx) * (1 - fy) + (p01 * (1 - fx) + p11 * fx) * fy;
    result |= static_cast<Pixel>(static_cast<int>(v) & 0xFF) << shift;
  }
  return result;
}

// The view pixel (x, y) shows the face at (x + dx, y + dy).
inline Pixel SamplePixel(const Frame& f, int x, int y, double dx, double dy) {
  if (dx == 0.0 && dy == 0.0) return f.face.Row(y)[x];
  return SampleAt(f.face, f.w, f.h, f.smooth, x + dx, y + dy);
}

#if defined(__AVX2__)
// The lanes' four indices, taken out as two 64-bit halves: cheaper than one
// extraction per lane. Indices are never negative.
inline void Indices(__m128i index, int i[4]) {
  const auto low = static_cast<unsigned long long>(_mm_cvtsi128_si64(index));
  const auto high = static_cast<unsigned long long>(_mm_extract_epi64(index, 1));
  i[0] = static_cast<int>(low & 0xFFFFFFFFu);
  i[1] = static_cast<int>(low >> 32);
  i[2] = static_cast<int>(high & 0xFFFFFFFFu);
  i[3] = static_cast<int>(high >> 32);
}

// The four pixels at the indices of the lanes. Plain loads: the gather
// instruction is slow on some processors, and the values are the same.
inline __m128i LoadFour(const int* face, __m128i index) {
  int i[4];
  Indices(index, i);
  return _mm_setr_epi32(face[i[0]], face[i[1]], face[i[2]], face[i[3]]);
}

// The pixel at each lane's index and its right-hand neighbour, as two
// vectors: one 8-byte load per lane.
inline void LoadFourPairs(const int* face, __m128i index, __m128i& left, __m128i& right) {
  int i[4];
  Indices(index, i);
  auto pair = [face](int at) {
    return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(face + at));
  };
  const __m128i p01 = _mm_unpacklo_epi32(pair(i[0]), pair(i[1]));
  const __m128i p23 = _mm_unpacklo_epi32(pair(i[2]), pair(i[3]));
  left = _mm_unpacklo_epi64(p01, p23);
  right = _mm_unpackhi_epi64(p01, p23);
}

// Four neighbouring pixels of a row once their places are known: what was
// fetched (one pixel each for the nearest pixel, the four corners for the
// bilinear blend), the blend's weights, and which lanes sample and which
// copy their own pixel (the others show white).
// Where every lane that samples has fy = 0 (a row that is not displaced
// up or down, as through the horizontal mirror) the blend is its upper half
// alone, and where every such lane has fx = 0 its left half alone: the terms
// left out are products with zero and additions of them, which change no bit
// of the result (every term is a finite number of at least zero).
enum class Blend { Full, UpperRow, LeftColumn };

struct FourFetched {
  __m128i p00, p10, p01, p11;
  __m256d fx, fy;
  __m128i sampleMask, stillMask;
  Blend blend;
};

// 64-bit lane masks narrowed to 32-bit lanes.
inline __m128i Narrow(__m256d m) {
  const __m256 s = _mm256_castpd_ps(m);
  return _mm_castps_si128(
      _mm_shuffle_ps(_mm256_castps256_ps128(s), _mm256_extractf128_ps(s, 1), 0x88));
}

// The lanes whose place lies inside the picture (a place that is no number
// lies outside).
inline __m256d Inside(const Frame& f, __m256d px, __m256d py) {
  const __m256d zero = _mm256_setzero_pd();
  return _mm256_and_pd(_mm256_and_pd(_mm256_cmp_pd(px, zero, _CMP_GE_OQ),
                                     _mm256_cmp_pd(px, _mm256_set1_pd(f.w - 1), _CMP_LE_OQ)),
                       _mm256_and_pd(_mm256_cmp_pd(py, zero, _CMP_GE_OQ),
                                     _mm256_cmp_pd(py, _mm256_set1_pd(f.h - 1), _CMP_LE_OQ)));
}

// The loads for four places, once s.sampleMask tells the lanes that sample:
// one pixel each for the nearest pixel, the four corners and the weights for
// the bilinear blend. The other lanes read pixel 0. Returns the index of the
// first lane's (upper left) pixel. With halves, a blend of one row or one
// column alone is looked for (Blend).
inline int LoadAtPlaces(const Frame& f, __m256d px, __m256d py, FourFetched& s, bool halves) {
  const auto* face = reinterpret_cast<const int*>(f.face.Data());
  const __m128i width = _mm_set1_epi32(f.w);
  if (!f.smooth) {
    const __m256d half = _mm256_set1_pd(0.499);
    const __m128i ix = _mm256_cvttpd_epi32(_mm256_add_pd(px, half));
    const __m128i iy = _mm256_cvttpd_epi32(_mm256_add_pd(py, half));
    const __m128i index =
        _mm_and_si128(_mm_add_epi32(_mm_mullo_epi32(iy, width), ix), s.sampleMask);
    s.p00 = LoadFour(face, index);
    return _mm_cvtsi128_si32(index);
  }
  __m128i ix = _mm256_cvttpd_epi32(px);
  __m128i iy = _mm256_cvttpd_epi32(py);
  __m256d fx = _mm256_sub_pd(px, _mm256_cvtepi32_pd(ix));
  __m256d fy = _mm256_sub_pd(py, _mm256_cvtepi32_pd(iy));
  const __m128i lastX = _mm_set1_epi32(f.w - 2);
  const __m128i lastY = _mm_set1_epi32(f.h - 2);
  const __m128i clampX = _mm_cmpgt_epi32(ix, _mm_sub_epi32(lastX, _mm_set1_epi32(1)));
  const __m128i clampY = _mm_cmpgt_epi32(iy, _mm_sub_epi32(lastY, _mm_set1_epi32(1)));
  ix = _mm_blendv_epi8(ix, lastX, clampX);
  iy = _mm_blendv_epi8(iy, lastY, clampY);
  s.fx = _mm256_andnot_pd(_mm256_castsi256_pd(_mm256_cvtepi32_epi64(clampX)), fx);
  s.fy = _mm256_andnot_pd(_mm256_castsi256_pd(_mm256_cvtepi32_epi64(clampY)), fy);
  const __m128i i00 = _mm_and_si128(_mm_add_epi32(_mm_mullo_epi32(iy, width), ix), s.sampleMask);
  LoadFourPairs(face, i00, s.p00, s.p10);
  // The lanes that do not sample count as zero: their blend is thrown away.
  const int others = ~_mm_movemask_ps(_mm_castsi128_ps(s.sampleMask)) & 0xF;
  const __m256d zero = _mm256_setzero_pd();
  s.blend = Blend::Full;
  if (halves && (_mm256_movemask_pd(_mm256_cmp_pd(s.fy, zero, _CMP_EQ_OQ)) | others) == 0xF) {
    s.blend = Blend::UpperRow;
    return _mm_cvtsi128_si32(i00);
  }
  if (halves && (_mm256_movemask_pd(_mm256_cmp_pd(s.fx, zero, _CMP_EQ_OQ)) | others) == 0xF)
    s.blend = Blend::LeftColumn;
  LoadFourPairs(face, _mm_add_epi32(i00, width), s.p01, s.p11);
  return _mm_cvtsi128_si32(i00);
}

// The first stage for four pixels from column x: places, masks and loads.
inline void FetchFour(const Frame& f, int x, int y, const double* dxs, const double* dys,
                      FourFetched& s, bool halves) {
  const __m256d dx = _mm256_loadu_pd(dxs);
  const __m256d dy = _mm256_loadu_pd(dys);
  const __m256d zero = _mm256_setzero_pd();
  const __m256d xs = _mm256_add_pd(_mm256_set1_pd(x), _mm256_set_pd(3, 2, 1, 0));
  const __m256d px = _mm256_add_pd(xs, dx);
  const __m256d py = _mm256_add_pd(_mm256_set1_pd(y), dy);
  const __m256d still =
      _mm256_and_pd(_mm256_cmp_pd(dx, zero, _CMP_EQ_OQ), _mm256_cmp_pd(dy, zero, _CMP_EQ_OQ));
  s.stillMask = Narrow(still);
  s.sampleMask = _mm_andnot_si128(s.stillMask, Narrow(Inside(f, px, py)));
  LoadAtPlaces(f, px, py, s, halves);
}

// The second stage: the bilinear blend (or the nearest pixel as fetched),
// white outside the picture, still pixels copied.
inline void FinishFour(const Frame& f, int x, int y, const FourFetched& s, Pixel* out) {
  __m128i result = s.p00;
  if (f.smooth) {
    const __m256d onePd = _mm256_set1_pd(1.0);
    const __m256d gx = _mm256_sub_pd(onePd, s.fx);
    const __m256d gy = _mm256_sub_pd(onePd, s.fy);
    // Channel k of each pixel as a double, without a conversion instruction:
    // the byte shuffled into the low end of a 64-bit lane whose high bits
    // are those of 2^52 is 2^52 + the byte, exactly; 2^52 taken away leaves
    // the byte. (The pixels' four bytes are in both halves for the shuffle,
    // which stays within each half.)
    const __m256i channelBytes[3] = {
        _mm256_setr_epi8(0, -1, -1, -1, -1, -1, -1, -1, 4, -1, -1, -1, -1, -1, -1, -1, 8, -1, -1,
                         -1, -1, -1, -1, -1, 12, -1, -1, -1, -1, -1, -1, -1),
        _mm256_setr_epi8(1, -1, -1, -1, -1, -1, -1, -1, 5, -1, -1, -1, -1, -1, -1, -1, 9, -1, -1,
                         -1, -1, -1, -1, -1, 13, -1, -1, -1, -1, -1, -1, -1),
        _mm256_setr_epi8(2, -1, -1, -1, -1, -1, -1, -1, 6, -1, -1, -1, -1, -1, -1, -1, 10, -1, -1,
                         -1, -1, -1, -1, -1, 14, -1, -1, -1, -1, -1, -1, -1)};
    const __m256i exponent = _mm256_set1_epi64x(0x4330000000000000);
    const __m256d twoTo52 = _mm256_set1_pd(4503599627370496.0);
    // The corners as the blend needs them, each in both halves.
    auto both = [](__m128i p) { return _mm256_broadcastsi128_si256(p); };
    const __m256i q00 = both(s.p00);
    const __m256i q10 = s.blend == Blend::LeftColumn ? q00 : both(s.p10);
    const __m256i q01 = s.blend == Blend::UpperRow ? q00 : both(s.p01);
    const __m256i q11 = s.blend == Blend::Full ? both(s.p11) : q00;
    __m128i c[3];
    for (int k = 0; k < 3; ++k) {
      auto channel = [&](__m256i q) {
        const __m256i biased = _mm256_or_si256(_mm256_shuffle_epi8(q, channelBytes[k]), exponent);
        return _mm256_sub_pd(_mm256_castsi256_pd(biased), twoTo52);
      };
      __m256d v;
      switch (s.blend) {
        case Blend::UpperRow:
          v = _mm256_add_pd(_mm256_mul_pd(channel(q00), gx), _mm256_mul_pd(channel(q10), s.fx));
          break;
        case Blend::LeftColumn:
          v = _mm256_add_pd(_mm256_mul_pd(channel(q00), gy), _mm256_mul_pd(channel(q01), s.fy));
          break;
        default: {
          const __m256d top =
              _mm256_add_pd(_mm256_mul_pd(channel(q00), gx), _mm256_mul_pd(channel(q10), s.fx));
          const __m256d bottom =
              _mm256_add_pd(_mm256_mul_pd(channel(q01), gx), _mm256_mul_pd(channel(q11), s.fx));
          v = _mm256_add_pd(_mm256_mul_pd(top, gy), _mm256_mul_pd(bottom, s.fy));
        }
      }
      c[k] = _mm256_cvttpd_epi32(v);
    }
    // Every channel lies in 0..255 (a mix of bytes with weights adding up to
    // one), so packing with saturation keeps it as it is.
    const __m128i bytes =
        _mm_packus_epi16(_mm_packs_epi32(c[0], c[1]), _mm_packs_epi32(c[2], c[2]));
    result = _mm_shuffle_epi8(bytes,
                              _mm_setr_epi8(0, 4, 8, -1, 1, 5, 9, -1, 2, 6, 10, -1, 3, 7, 11, -1));
  }
  const auto* face = reinterpret_cast<const int*>(f.face.Data());
  const __m128i copied = _mm_loadu_si128(reinterpret_cast<const __m128i*>(face + (y * f.w + x)));
  result = _mm_blendv_epi8(_mm_set1_epi32(-1), result, s.sampleMask);
  result = _mm_blendv_epi8(result, copied, s.stillMask);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), result);
}
#endif

#if defined(__AVX2__)
// The radial mirror's displacement of four columns, given ox = cx - x and
// its square: k = b / (0.0001 (ox^2 + oy^2) + 1), then (ox k, oy k).
class RadialFour {
 public:
  RadialFour(double oy, double b)
      : oy_(_mm256_set1_pd(oy)), oy2_(_mm256_set1_pd(oy * oy)), b_(_mm256_set1_pd(b)) {}

  void operator()(__m256d ox, __m256d ox2, __m256d& dx, __m256d& dy) const {
    const __m256d sum = _mm256_add_pd(ox2, oy2_);
    const __m256d k = _mm256_div_pd(
        b_, _mm256_add_pd(_mm256_mul_pd(_mm256_set1_pd(0.0001), sum), _mm256_set1_pd(1.0)));
    dx = _mm256_mul_pd(ox, k);
    dy = _mm256_mul_pd(oy_, k);
  }

 private:
  __m256d oy_, oy2_, b_;
};
#endif

#if defined(__AVX512F__) && defined(__AVX512BW__) && defined(__AVX512DQ__) && \
    defined(__AVX512VL__) && defined(__AVX512VBMI__)
#define QUILLO_RENDER_EIGHT 1
// The same two stages for eight pixels at a time, on processors with
// AVX-512: the lanes perform the four-pixel kernel's operations, so the
// pixels are the same. The corners come by gathers, which these processors
// run faster than eight loads put together: each 64-bit lane of upper holds
// a place's pixel and its right-hand neighbour, of lower the two below.
struct EightFetched {
  __m512i upper, lower;
  __m256i nearest;
  __m512d fx, fy;
  __mmask8 sample, still;
  Blend blend;
};

// Whether the lanes of mask cover all eight.
inline bool AllEight(unsigned mask) {
  return (mask & 0xFFu) == 0xFFu;
}

// The pixel pairs from each lane's index on.
inline __m512i GatherPairs(const int* from, __m256i index) {
  return _mm512_i32gather_epi64(index, static_cast<const void*>(from), 4);
}

// Which places lie inside the picture, as Inside.
inline __mmask8 InsideEight(const Frame& f, __m512d px, __m512d py) {
  const __m512d zero = _mm512_setzero_pd();
  __mmask8 m = _mm512_cmp_pd_mask(px, zero, _CMP_GE_OQ);
  m = _mm512_mask_cmp_pd_mask(m, px, _mm512_set1_pd(f.w - 1), _CMP_LE_OQ);
  m = _mm512_mask_cmp_pd_mask(m, py, zero, _CMP_GE_OQ);
  return _mm512_mask_cmp_pd_mask(m, py, _mm512_set1_pd(f.h - 1), _CMP_LE_OQ);
}

// The loads for eight places once s.sample is known, as LoadAtPlaces; the
// index of the first lane's upper left corner is returned (0 when it does
// not sample).
inline int LoadAtPlacesEight(const Frame& f, __m512d px, __m512d py, EightFetched& s, bool halves) {
  const auto* face = reinterpret_cast<const int*>(f.face.Data());
  const __m256i width = _mm256_set1_epi32(f.w);
  if (!f.smooth) {
    const __m512d half = _mm512_set1_pd(0.499);
    const __m256i ix = _mm512_cvttpd_epi32(_mm512_add_pd(px, half));
    const __m256i iy = _mm512_cvttpd_epi32(_mm512_add_pd(py, half));
    const __m256i index =
        _mm256_maskz_mov_epi32(s.sample, _mm256_add_epi32(_mm256_mullo_epi32(iy, width), ix));
    s.nearest = _mm256_i32gather_epi32(face, index, 4);
    return _mm256_cvtsi256_si32(index);
  }
  __m256i ix = _mm512_cvttpd_epi32(px);
  __m256i iy = _mm512_cvttpd_epi32(py);
  const __m512d zero = _mm512_setzero_pd();
  const __m512d fx = _mm512_sub_pd(px, _mm512_cvtepi32_pd(ix));
  const __m512d fy = _mm512_sub_pd(py, _mm512_cvtepi32_pd(iy));
  const __m256i lastX = _mm256_set1_epi32(f.w - 2);
  const __m256i lastY = _mm256_set1_epi32(f.h - 2);
  const __mmask8 clampX = _mm256_cmpge_epi32_mask(ix, lastX);
  const __mmask8 clampY = _mm256_cmpge_epi32_mask(iy, lastY);
  ix = _mm256_mask_mov_epi32(ix, clampX, lastX);
  iy = _mm256_mask_mov_epi32(iy, clampY, lastY);
  s.fx = _mm512_mask_mov_pd(fx, clampX, zero);
  s.fy = _mm512_mask_mov_pd(fy, clampY, zero);
  const __m256i i00 =
      _mm256_maskz_mov_epi32(s.sample, _mm256_add_epi32(_mm256_mullo_epi32(iy, width), ix));
  s.upper = GatherPairs(face, i00);
  // The lanes that do not sample count as zero: their blend is thrown away.
  const unsigned others = ~static_cast<unsigned>(s.sample);
  s.blend = Blend::Full;
  if (halves && AllEight(_mm512_cmp_pd_mask(s.fy, zero, _CMP_EQ_OQ) | others))
    s.blend = Blend::UpperRow;
  else if (halves && AllEight(_mm512_cmp_pd_mask(s.fx, zero, _CMP_EQ_OQ) | others))
    s.blend = Blend::LeftColumn;
  if (s.blend != Blend::UpperRow) s.lower = GatherPairs(face + f.w, i00);
  return _mm256_cvtsi256_si32(i00);
}

// The first stage for eight pixels from column x, as FetchFour.
inline void FetchEight(const Frame& f, int x, int y, const double* dxs, const double* dys,
                       EightFetched& s, bool halves) {
  const __m512d dx = _mm512_loadu_pd(dxs);
  const __m512d dy = _mm512_loadu_pd(dys);
  const __m512d zero = _mm512_setzero_pd();
  const __m512d xs = _mm512_add_pd(_mm512_set1_pd(x), _mm512_setr_pd(0, 1, 2, 3, 4, 5, 6, 7));
  const __m512d px = _mm512_add_pd(xs, dx);
  const __m512d py = _mm512_add_pd(_mm512_set1_pd(y), dy);
  s.still = _mm512_mask_cmp_pd_mask(_mm512_cmp_pd_mask(dx, zero, _CMP_EQ_OQ), dy, zero, _CMP_EQ_OQ);
  s.sample = static_cast<__mmask8>(InsideEight(f, px, py) & ~s.still);
  LoadAtPlacesEight(f, px, py, s, halves);
}

// The radial mirror's displacement of the eight columns from x of row y, as
// RadialFour computes it for four.
class RadialEight {
 public:
  RadialEight(int cx, int cy, int y, double b)
      : cx_(cx),
        oy_(_mm512_set1_pd(cy - y)),
        oy2_(_mm512_set1_pd((cy - y) * (cy - y))),
        b_(_mm512_set1_pd(b)) {}

  void operator()(int x, __m512d& dx, __m512d& dy) const {
    const __m512d ox =
        _mm512_sub_pd(_mm512_set1_pd(cx_ - x), _mm512_setr_pd(0, 1, 2, 3, 4, 5, 6, 7));
    const __m512d sum = _mm512_add_pd(_mm512_mul_pd(ox, ox), oy2_);
    const __m512d k = _mm512_div_pd(
        b_, _mm512_add_pd(_mm512_mul_pd(_mm512_set1_pd(0.0001), sum), _mm512_set1_pd(1.0)));
    dx = _mm512_mul_pd(ox, k);
    dy = _mm512_mul_pd(oy_, k);
  }

 private:
  int cx_;
  __m512d oy_, oy2_, b_;
};

// The second stage, as FinishFour. A channel's bytes go straight from the
// pairs into the low ends of 64-bit lanes by one byte permutation, whose
// integers convert to doubles exactly.
inline void FinishEight(const Frame& f, int x, int y, const EightFetched& s, Pixel* out) {
  __m256i result;
  if (!f.smooth) {
    result = s.nearest;
  } else {
    const __m512d one = _mm512_set1_pd(1.0);
    const __m512d gx = _mm512_sub_pd(one, s.fx);
    const __m512d gy = _mm512_sub_pd(one, s.fy);
    constexpr __mmask64 kLowBytes = 0x0101010101010101ull;
    const __m512i firstBytes = _mm512_setr_epi64(0, 8, 16, 24, 32, 40, 48, 56);
    __m512i c[3];
    for (int k = 0; k < 3; ++k) {
      const __m512i left = _mm512_add_epi64(firstBytes, _mm512_set1_epi64(k));
      const __m512i right = _mm512_add_epi64(firstBytes, _mm512_set1_epi64(k + 4));
      auto channel = [](__m512i bytes, __m512i pairs) {
        return _mm512_cvtepi64_pd(_mm512_maskz_permutexvar_epi8(kLowBytes, bytes, pairs));
      };
      __m512d v;
      switch (s.blend) {
        case Blend::UpperRow:
          v = _mm512_add_pd(_mm512_mul_pd(channel(left, s.upper), gx),
                            _mm512_mul_pd(channel(right, s.upper), s.fx));
          break;
        case Blend::LeftColumn:
          v = _mm512_add_pd(_mm512_mul_pd(channel(left, s.upper), gy),
                            _mm512_mul_pd(channel(left, s.lower), s.fy));
          break;
        default: {
          const __m512d top = _mm512_add_pd(_mm512_mul_pd(channel(left, s.upper), gx),
                                            _mm512_mul_pd(channel(right, s.upper), s.fx));
          const __m512d bottom = _mm512_add_pd(_mm512_mul_pd(channel(left, s.lower), gx),
                                               _mm512_mul_pd(channel(right, s.lower), s.fx));
          v = _mm512_add_pd(_mm512_mul_pd(top, gy), _mm512_mul_pd(bottom, s.fy));
        }
      }
      c[k] = _mm512_cvttpd_epi64(v);
    }
    // Every channel lies in 0..255, as in FinishFour.
    result = _mm512_cvtepi64_epi32(_mm512_ternarylogic_epi64(c[0], _mm512_slli_epi64(c[1], 8),
                                                             _mm512_slli_epi64(c[2], 16), 0xFE));
  }
  result = _mm256_mask_mov_epi32(_mm256_set1_epi32(-1), s.sample, result);
  const auto* face = reinterpret_cast<const int*>(f.face.Data());
  result = _mm256_mask_loadu_epi32(result, s.still, face + (y * f.w + x));
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), result);
}
#endif

#if defined(__AVX2__)
// Runs the two stages over the groups of width pixels from i on while whole
// groups fit before end, a chunk of 64 pixels at a time: fetch(at, fetched)
// for every group of the chunk, then between(start of the next chunk), then
// finish(at, fetched) for each. Returns where it stopped.
template <int width, class Fetched, class Fetch, class Finish, class Between>
inline int InChunks(int i, int end, const Fetch& fetch, const Finish& finish,
                    const Between& between) {
  constexpr int kGroups = 64 / width;
  Fetched fetched[kGroups];
  while (i + width <= end) {
    const int groups = std::min(kGroups, (end - i) / width);
    for (int g = 0; g < groups; ++g) fetch(i + width * g, fetched[g]);
    between(i + width * groups);
    for (int g = 0; g < groups; ++g) finish(i + width * g, fetched[g]);
    i += width * groups;
  }
  return i;
}

template <int width, class Fetched, class Fetch, class Finish>
inline int InChunks(int i, int end, const Fetch& fetch, const Finish& finish) {
  return InChunks<width, Fetched>(i, end, fetch, finish, [](int) {});
}
#endif

// Samples one row from the displacements of its columns left..right-1. The
// vector kernel works in chunks: first every place and load of the chunk,
// then every blend, so that the blends' long chains of dependent operations
// need not wait for the loads and many of them run at once.
inline void SampleRow(const Frame& f, int y, int left, int right, const double* dx,
                      const double* dy, [[maybe_unused]] bool halves) {
  Pixel* out = f.view.Row(y);
  int x = left;
#if defined(QUILLO_RENDER_EIGHT)
  x = InChunks<8, EightFetched>(
      x, right, [&](int at, EightFetched& s) { FetchEight(f, at, y, dx + at, dy + at, s, halves); },
      [&](int at, const EightFetched& s) { FinishEight(f, at, y, s, out + at); });
#endif
#if defined(__AVX2__)
  x = InChunks<4, FourFetched>(
      x, right, [&](int at, FourFetched& s) { FetchFour(f, at, y, dx + at, dy + at, s, halves); },
      [&](int at, const FourFetched& s) { FinishFour(f, at, y, s, out + at); });
#endif
  for (; x < right; ++x) out[x] = SamplePixel(f, x, y, dx[x], dy[x]);
}

// The radial mirror's displacement of view pixel (x, y), one at a time.
inline void RadialShift(int cx, int cy, int x, int y, double b, double& dx, double& dy) {
  const double k = b / (0.0001 * ((cx - x) * (cx - x) + (cy - y) * (cy - y)) + 1);
  dx = (cx - x) * k;
  dy = (cy - y) * k;
}

inline void RenderRect(const Frame& f, int tag, Rect r) {
  const int cx = f.cx;
  const int cy = f.cy;
  const double b = f.b;
  const double s = f.s;
  const int qw = f.w * f.w / 4;
  const int qh = f.h * f.h / 4;
  // Only the horizontal and the vertical mirror move pixels along their own
  // rows or columns, where half of the blend's corners go unused; elsewhere
  // looking for such groups costs more than it saves.
  const bool halves = tag == Horizontal || tag == Vertical;
  // Buffers only where they are used: the brush's square at scale one needs
  // none, and it is rendered on every move of a stroke.
  std::vector<double> column, dx, dy;
  if (tag == Vertical || tag == Squeeze) {
    column.resize(f.w);
    for (int x = r.left; x < r.right; ++x)
      column[x] = static_cast<double>((x - cx) * (x - cx) - qw) / f.w / f.w * b;
  }
  if (tag != WarpField || s != 1.0) {
    dx.resize(f.w);
    dy.resize(f.w);
  }

  for (int y = r.top; y < r.bottom; ++y) {
    const double row = static_cast<double>((y - cy) * (y - cy) - qh) / (f.h * f.h) * b;
    switch (tag) {
      case WarpField: {
        const double* sx = f.shiftX + static_cast<std::size_t>(y) * f.w;
        const double* sy = f.shiftY + static_cast<std::size_t>(y) * f.w;
        // At the usual scale of one the field is its own displacement
        // (v x 1 is v), so the row is sampled straight from it.
        if (s == 1.0) {
          SampleRow(f, y, r.left, r.right, sx, sy, halves);
          continue;
        }
        for (int x = r.left; x < r.right; ++x) {
          dx[x] = sx[x] * s;
          dy[x] = sy[x] * s;
        }
        break;
      }
      case Horizontal:
        for (int x = r.left; x < r.right; ++x) {
          dx[x] = (x - cx) * row;
          dy[x] = 0.0;
        }
        break;
      case Vertical:
        for (int x = r.left; x < r.right; ++x) {
          dx[x] = 0.0;
          dy[x] = (y - cy) * column[x];
        }
        break;
      case Radial: {
        int x = r.left;
#if defined(QUILLO_RENDER_EIGHT)
        // The displacements of a chunk are computed while the chunk before
        // is blended, so that the divisions overlap the blends.
        const RadialEight eight(cx, cy, y, b);
        auto shifts = [&](int from) {
          const int to = std::min(from + 64, r.right);
          int at = from;
          for (; at + 8 <= to; at += 8) {
            __m512d shiftX, shiftY;
            eight(at, shiftX, shiftY);
            _mm512_storeu_pd(dx.data() + at, shiftX);
            _mm512_storeu_pd(dy.data() + at, shiftY);
          }
          for (; at < to; ++at) {
            RadialShift(cx, cy, at, y, b, dx[at], dy[at]);
          }
        };
        shifts(x);
        Pixel* out = f.view.Row(y);
        x = InChunks<8, EightFetched>(
            x, r.right,
            [&](int at, EightFetched& s) {
              FetchEight(f, at, y, dx.data() + at, dy.data() + at, s, halves);
            },
            [&](int at, const EightFetched& s) { FinishEight(f, at, y, s, out + at); }, shifts);
        SampleRow(f, y, x, r.right, dx.data(), dy.data(), halves);
        continue;
#else
#if defined(__AVX2__)
        // The squares and sums are of whole numbers, exact in doubles as in ints.
        const RadialFour radial(cy - y, b);
        for (; x + 4 <= r.right; x += 4) {
          const __m256d ox = _mm256_sub_pd(_mm256_set1_pd(cx - x), _mm256_set_pd(3, 2, 1, 0));
          __m256d shiftX, shiftY;
          radial(ox, _mm256_mul_pd(ox, ox), shiftX, shiftY);
          _mm256_storeu_pd(dx.data() + x, shiftX);
          _mm256_storeu_pd(dy.data() + x, shiftY);
        }
#endif
        for (; x < r.right; ++x) RadialShift(cx, cy, x, y, b, dx[x], dy[x]);
        break;
#endif
      }
      case Squeeze:
        for (int x = r.left; x < r.right; ++x) {
          dx[x] = (cx - x) * row;
          dy[x] = (cy - y) * column[x];
        }
        break;
      default:
        return;
    }
    SampleRow(f, y, r.left, r.right, dx.data(), dy.data(), halves);
  }
}

// A column's place in the photo from its displacement (PhotoRow).
inline void StorePlace(const PhotoRow& r, int i, double dx, double dy) {
  r.px[i] = (r.gx[i] + dx - r.originX) * r.toPhotoX + r.offsetX;
  r.py[i] = (r.gy + dy - r.originY) * r.toPhotoY + r.offsetY;
  r.still[i] = dx == 0.0 && dy == 0.0;
}

#if defined(__AVX2__)
// The same for four columns from i, with the row's constants in registers.
class StorePlaces {
 public:
  explicit StorePlaces(const PhotoRow& r)
      : r_(r),
        gy_(_mm256_set1_pd(r.gy)),
        originX_(_mm256_set1_pd(r.originX)),
        toPhotoX_(_mm256_set1_pd(r.toPhotoX)),
        offsetX_(_mm256_set1_pd(r.offsetX)),
        originY_(_mm256_set1_pd(r.originY)),
        toPhotoY_(_mm256_set1_pd(r.toPhotoY)),
        offsetY_(_mm256_set1_pd(r.offsetY)) {}

  void operator()(int i, __m256d dx, __m256d dy) const {
    const __m256d px = _mm256_add_pd(
        _mm256_mul_pd(_mm256_sub_pd(_mm256_add_pd(_mm256_loadu_pd(r_.gx + i), dx), originX_),
                      toPhotoX_),
        offsetX_);
    const __m256d py = _mm256_add_pd(
        _mm256_mul_pd(_mm256_sub_pd(_mm256_add_pd(gy_, dy), originY_), toPhotoY_), offsetY_);
    _mm256_storeu_pd(r_.px + i, px);
    _mm256_storeu_pd(r_.py + i, py);
    const __m256d zero = _mm256_setzero_pd();
    const int still = _mm256_movemask_pd(
        _mm256_and_pd(_mm256_cmp_pd(dx, zero, _CMP_EQ_OQ), _mm256_cmp_pd(dy, zero, _CMP_EQ_OQ)));
    for (int lane = 0; lane < 4; ++lane) r_.still[i + lane] = (still >> lane) & 1;
  }

 private:
  const PhotoRow& r_;
  __m256d gy_, originX_, toPhotoX_, offsetX_, originY_, toPhotoY_, offsetY_;
};
#endif

inline void RadialPlaces(const RadialRow& r, int n) {
  const double oy2 = r.oy * r.oy;
  int i = 0;
#if defined(__AVX2__)
  const RadialFour radial(r.oy, r.b);
  const StorePlaces store(r.row);
  for (; i + 4 <= n; i += 4) {
    __m256d dx, dy;
    radial(_mm256_loadu_pd(r.ox + i), _mm256_loadu_pd(r.ox2 + i), dx, dy);
    store(i, dx, dy);
  }
#endif
  for (; i < n; ++i) {
    const double k = r.b / (0.0001 * (r.ox2[i] + oy2) + 1);
    StorePlace(r.row, i, r.ox[i] * k, r.oy * k);
  }
}

inline void FieldPlaces(const FieldRow& r, int n) {
  const double* aboveX = r.above.x.data();
  const double* aboveY = r.above.y.data();
  const double* belowX = r.below.x.data();
  const double* belowY = r.below.y.data();
  const double gy1 = 1 - r.fy;
  const bool fyZero = r.fy == 0.0;
  int i = 0;
#if defined(__AVX2__)
  const __m256d zero = _mm256_setzero_pd();
  const __m256d fy = _mm256_set1_pd(r.fy), vGy1 = _mm256_set1_pd(gy1);
  const __m256d vS = _mm256_set1_pd(r.s);
  const StorePlaces store(r.row);
  for (; i + 4 <= n; i += 4) {
    auto between = [&](const double* above, const double* below, const double* nodes) {
      const __m256d v = _mm256_add_pd(_mm256_mul_pd(_mm256_loadu_pd(above + i), vGy1),
                                      _mm256_mul_pd(_mm256_loadu_pd(below + i), fy));
      if (!fyZero) return v;
      // At a node (both fractions zero) the node itself.
      const __m256d atNode = _mm256_cmp_pd(_mm256_loadu_pd(r.fx + i), zero, _CMP_EQ_OQ);
      return _mm256_blendv_pd(v, _mm256_loadu_pd(nodes + i), atNode);
    };
    __m256d dx = between(aboveX, belowX, r.above.nodeX.data());
    __m256d dy = between(aboveY, belowY, r.above.nodeY.data());
    if (r.s != 1.0) {
      dx = _mm256_mul_pd(dx, vS);
      dy = _mm256_mul_pd(dy, vS);
    }
    store(i, dx, dy);
  }
#endif
  for (; i < n; ++i) {
    const bool atNode = fyZero && r.fx[i] == 0.0;
    double dx = atNode ? r.above.nodeX[i] : aboveX[i] * gy1 + belowX[i] * r.fy;
    double dy = atNode ? r.above.nodeY[i] : aboveY[i] * gy1 + belowY[i] * r.fy;
    if (r.s != 1.0) {
      dx *= r.s;
      dy *= r.s;
    }
    StorePlace(r.row, i, dx, dy);
  }
}

#if defined(__AVX2__)
// The full-size render walks the photo along rows bent by the distortion,
// which cross many of its rows; the hardware's own prefetching follows
// straight runs within a page and misses most of the lines. Those a row
// takes first are mostly those a few rows below the places of the row
// before, so each group of places asks for that line ahead of time.
inline void PrefetchBelow(const Bitmap& picture, int index) {
  constexpr long long kRowsAhead = 4;
  const long long below = index + kRowsAhead * picture.Width();
  if (below < static_cast<long long>(picture.Width()) * picture.Height())
    _mm_prefetch(reinterpret_cast<const char*>(picture.Data() + below), _MM_HINT_T0);
}
#endif

// Samples n pixels of a picture at absolute places (px, py), bilinear,
// white outside it: the full-size render's last step (FullSizeRender.h).
// The vector kernel takes four places at a time; each lane performs what
// SampleAt does, so the pixels are the same.
inline void SamplePlaces(const Bitmap& picture, const double* pxs, const double* pys, int n,
                         Pixel* out) {
  const int w = picture.Width(), h = picture.Height();
  int i = 0;
#if defined(__AVX2__)
  if (w >= 2 && h >= 2) {
    Bitmap unused;
    const Frame f{picture, unused, w, h, true, 0, 0, 0, 0, nullptr, nullptr};
    // In chunks, as SampleRow: the loads of a chunk first, then its blends.
#if defined(QUILLO_RENDER_EIGHT)
    i = InChunks<8, EightFetched>(
        i, n,
        [&](int at, EightFetched& s) {
          const __m512d px = _mm512_loadu_pd(pxs + at);
          const __m512d py = _mm512_loadu_pd(pys + at);
          s.sample = InsideEight(f, px, py);
          s.still = 0;
          PrefetchBelow(picture, LoadAtPlacesEight(f, px, py, s, true));
        },
        [&](int at, const EightFetched& s) { FinishEight(f, 0, 0, s, out + at); });
#endif
    i = InChunks<4, FourFetched>(
        i, n,
        [&](int at, FourFetched& s) {
          const __m256d px = _mm256_loadu_pd(pxs + at);
          const __m256d py = _mm256_loadu_pd(pys + at);
          s.sampleMask = Narrow(Inside(f, px, py));
          s.stillMask = _mm_setzero_si128();
          PrefetchBelow(picture, LoadAtPlaces(f, px, py, s, true));
        },
        [&](int at, const FourFetched& s) { FinishFour(f, 0, 0, s, out + at); });
  }
#endif
  for (; i < n; ++i) out[i] = SampleAt(picture, w, h, true, pxs[i], pys[i]);
}

// The largest s with s x s <= n, for n >= 0.
inline int SquareRootFloor(long long n) {
  auto s = static_cast<long long>(std::sqrt(static_cast<double>(n)));
  while (s * s > n) --s;
  while ((s + 1) * (s + 1) <= n) ++s;
  return static_cast<int>(s);
}

inline void PushField(const Brush& b) {
  const int x = b.x, y = b.y, r = b.r;
  const long long r2 = static_cast<long long>(r) * r;
  for (int row = std::max(y - r, 0); row <= std::min(y + r, b.h - 1); ++row) {
    // Within the row only the columns at distance r or less take part:
    // exactly those with d = sqrt(dx^2 + dy^2) / r not above 1.
    const int dy = row - y;
    const int dy2 = dy * dy;  // distances stay far inside int: |dx|, |dy| <= 320
    const int reach = SquareRootFloor(r2 - dy2);
    const int first = std::max(x - reach, 0);
    const int last = std::min(x + reach, b.w - 1);
    double* const rowX = b.shiftX + static_cast<std::size_t>(row) * b.w;
    double* const rowY = b.shiftY + static_cast<std::size_t>(row) * b.w;
    // The cone's row for this dy, indexed by dx.
    const double* const cone =
        b.cone + static_cast<std::size_t>(dy < 0 ? -dy : dy) * (2 * r + 1) + r;
    int col = first;
#if defined(__AVX2__)
    const __m256d stepX = _mm256_set1_pd(b.stepX), stepY = _mm256_set1_pd(b.stepY);
    const __m256d strength = _mm256_set1_pd(b.strength);
    for (; col + 4 <= last + 1; col += 4) {
      const __m256d c = _mm256_loadu_pd(cone + (col - x));
      _mm256_storeu_pd(rowX + col, _mm256_loadu_pd(rowX + col) - stepX * c * strength);
      _mm256_storeu_pd(rowY + col, _mm256_loadu_pd(rowY + col) - stepY * c * strength);
    }
#endif
    for (; col <= last; ++col) {
      rowX[col] -= b.stepX * cone[col - x] * b.strength;
      rowY[col] -= b.stepY * cone[col - x] * b.strength;
    }
  }
}

}  // namespace
}  // namespace quillo::render
