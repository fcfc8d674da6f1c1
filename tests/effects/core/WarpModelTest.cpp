#include "effects/core/WarpModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "base/Cpu.h"
#include "base/Error.h"
#include "effects/core/RenderRows.h"

namespace quillo {
namespace {

// A face whose every pixel is different and carries a fourth byte.
Bitmap Pattern() {
  Bitmap b(kFaceSize, kFaceSize);
  for (int y = 0; y < kFaceSize; ++y)
    for (int x = 0; x < kFaceSize; ++x)
      b.At(x, y) = MakePixel(x % 256, y % 256, (x * 3 + y * 5) % 256, 0x5A);
  return b;
}

WarpModel ModelWith(const Bitmap& face) {
  WarpModel m;
  m.ReplaceFace(face);
  return m;
}

constexpr Rect kAll{0, 0, kFaceSize, kFaceSize};

// Sets the field so that pixel (x, y) samples the face at (px, py).
void PointAt(WarpModel& m, int x, int y, double px, double py) {
  std::vector<double> shiftX = m.ShiftX(), shiftY = m.ShiftY();
  shiftX[y * kFaceSize + x] = px - x;
  shiftY[y * kFaceSize + x] = py - y;
  m.SetField(std::move(shiftX), std::move(shiftY));
}

TEST(RenderDistorted, ZeroDisplacementCopiesAllFourBytes) {
  WarpModel m = ModelWith(Pattern());
  m.RenderDistorted(kAll, 1.0, 0.0, 5, 10);  // zero field
  EXPECT_EQ(m.ViewBitmap(), m.FaceBitmap());

  m.SetField(std::vector<double>(m.ShiftX().size(), 7.25), m.ShiftY());
  m.RenderDistorted(kAll, 0.0, 0.0, 5, 10);  // zero scale
  EXPECT_EQ(m.ViewBitmap(), m.FaceBitmap());

  for (int tag : {Horizontal, Vertical, Radial, Squeeze}) {
    m.SetMode(tag);
    m.SetCenter(100, 100);
    m.RenderDistorted(kAll, 1.0, 0.0, 5, 10);  // strength 0
    EXPECT_EQ(m.ViewBitmap(), m.FaceBitmap()) << tag;
  }
}

TEST(RenderDistorted, SamplesOutsideThePictureAreWhiteInBothQualities) {
  for (bool smooth : {true, false}) {
    WarpModel m = ModelWith(Pattern());
    m.SetSmooth(smooth);
    PointAt(m, 10, 10, -0.001, 10);
    PointAt(m, 11, 10, 319.001, 10);
    PointAt(m, 12, 10, 12, -0.5);
    PointAt(m, 13, 10, 13, 319.5);
    PointAt(m, 14, 10, 319, 319);  // the last pixel itself lies inside
    std::vector<double> shiftX = m.ShiftX();
    shiftX[20 * kFaceSize + 20] = std::numeric_limits<double>::infinity();
    m.SetField(std::move(shiftX), m.ShiftY());
    m.RenderDistorted(kAll, 1.0, 0.0, 5, 10);
    for (int x = 10; x < 14; ++x) EXPECT_EQ(m.ViewBitmap().At(x, 10), kWhite) << x;
    EXPECT_NE(m.ViewBitmap().At(14, 10), kWhite);
    EXPECT_EQ(m.ViewBitmap().At(20, 20), kWhite);
    m.RenderDistorted(kAll, 0.0, 0.0, 5, 10);  // infinity x 0 is not a number
    EXPECT_EQ(m.ViewBitmap().At(20, 20), kWhite);
  }
}

TEST(RenderDistorted, BilinearInterpolatesAndClearsTheFourthByte) {
  WarpModel m = ModelWith(Pattern());
  PointAt(m, 50, 60, 100.25, 200.75);
  m.RenderDistorted(kAll, 1.0, 0.0, 5, 10);
  const Pixel got = m.ViewBitmap().At(50, 60);
  EXPECT_EQ(Fourth(got), 0);
  // red = x: 100.25; green = y: 200.75; blue = 3x + 5y: 300 + 1000 + ... mod 256.
  EXPECT_EQ(Red(got), 100);
  EXPECT_EQ(Green(got), 200);
  const double b00 = (300 + 1000) % 256, b10 = (303 + 1000) % 256;
  const double b01 = (300 + 1005) % 256, b11 = (303 + 1005) % 256;
  const double blue = (b00 * 0.75 + b10 * 0.25) * 0.25 + (b01 * 0.75 + b11 * 0.25) * 0.75;
  EXPECT_EQ(Blue(got), static_cast<int>(blue));
}

TEST(RenderDistorted, LastTwoColumnsAndRowsAreNotInterpolatedInBilinear) {
  const Bitmap face = Pattern();
  for (bool smooth : {true, false}) {
    WarpModel m = ModelWith(face);
    m.SetSmooth(smooth);
    PointAt(m, 5, 5, 318.6, 40);  // between columns 318 and 319
    PointAt(m, 6, 5, 40, 318.6);  // between rows 318 and 319
    PointAt(m, 7, 5, 319, 319);
    m.RenderDistorted(kAll, 1.0, 0.0, 5, 10);
    if (smooth) {  // column or row 318 taken as is, fourth byte 0
      EXPECT_EQ(m.ViewBitmap().At(5, 5), ColourBits(face.At(318, 40)));
      EXPECT_EQ(m.ViewBitmap().At(6, 5), ColourBits(face.At(40, 318)));
      EXPECT_EQ(m.ViewBitmap().At(7, 5), ColourBits(face.At(318, 318)));
    } else {  // nearest reaches the last column and row, all four bytes
      EXPECT_EQ(m.ViewBitmap().At(5, 5), face.At(319, 40));
      EXPECT_EQ(m.ViewBitmap().At(6, 5), face.At(40, 319));
      EXPECT_EQ(m.ViewBitmap().At(7, 5), face.At(319, 319));
    }
  }
}

TEST(RenderDistorted, NearestAddsLessThanAHalf) {
  const Bitmap face = Pattern();
  WarpModel m = ModelWith(face);
  m.SetSmooth(false);
  PointAt(m, 1, 1, 10.5, 20.5);     // exactly half-way: the smaller coordinate
  PointAt(m, 2, 1, 10.502, 20.49);  // just beyond the half in x
  m.RenderDistorted(kAll, 1.0, 0.0, 5, 10);
  EXPECT_EQ(m.ViewBitmap().At(1, 1), face.At(10, 20));
  EXPECT_EQ(m.ViewBitmap().At(2, 1), face.At(11, 20));
}

TEST(RenderDistorted, MirrorsFetchAlongTheirAxes) {
  const Bitmap face = Pattern();
  WarpModel m = ModelWith(face);
  m.SetCenter(160, 160);

  // Centre row, strength 0.5: R = -1/8, so x = 200 fetches from 195.
  m.SetMode(Horizontal);
  m.RenderDistorted(kAll, 0.0, 0.5, 5, 10);
  EXPECT_EQ(m.ViewBitmap().At(200, 160), ColourBits(face.At(195, 160)));
  EXPECT_EQ(m.ViewBitmap().At(160, 40), face.At(160, 40));  // centre column: no shift
  // 160 rows above the centre the row factor is 0: the row is copied.
  EXPECT_EQ(m.ViewBitmap().At(10, 0), face.At(10, 0));

  m.SetMode(Vertical);
  m.RenderDistorted(kAll, 0.0, 0.5, 5, 10);
  EXPECT_EQ(m.ViewBitmap().At(160, 200), ColourBits(face.At(160, 195)));

  // Squeeze uses the same factors with the opposite sign: 200 fetches 205.
  m.SetMode(Squeeze);
  m.RenderDistorted(kAll, 0.0, 0.5, 5, 10);
  EXPECT_EQ(m.ViewBitmap().At(200, 160), ColourBits(face.At(205, 160)));

  // Radial at strength 1: k is 1 at the centre, 0.5 at 100 pixels.
  m.SetMode(Radial);
  m.RenderDistorted(kAll, 0.0, 1.0, 5, 10);
  EXPECT_EQ(m.ViewBitmap().At(160, 160), face.At(160, 160));
  EXPECT_EQ(m.ViewBitmap().At(260, 160), ColourBits(face.At(210, 160)));
  EXPECT_EQ(m.ViewBitmap().At(161, 160), ColourBits(face.At(160, 160)));
}

TEST(RenderDistorted, SliderValueReplacesOnlyTheArgumentThatAsksForIt) {
  WarpModel a = ModelWith(Pattern());
  a.SetMode(Horizontal);
  a.SetCenter(120, 140);
  WarpModel b = a;
  a.RenderDistorted(kAll, UseSliderValue, 0.4, 3, 7);  // warp scale unused by mirrors
  b.RenderDistorted(kAll, 0.0, UseSliderValue, 4, 7);  // left slider 4 -> 0.4
  EXPECT_EQ(a.ViewBitmap(), b.ViewBitmap());

  WarpModel c = ModelWith(Pattern());
  c.SetField(std::vector<double>(c.ShiftX().size(), 3.0), c.ShiftY());
  WarpModel d = c;
  c.RenderDistorted(kAll, UseSliderValue, UseSliderValue, 0, 5);  // right slider 5 -> 0.5
  d.RenderDistorted(kAll, 0.5, 0.0, 0, 10);
  EXPECT_EQ(c.ViewBitmap(), d.ViewBitmap());
  EXPECT_EQ(c.ViewBitmap().At(10, 10), MakePixel(11, 10, 84));  // half-way to column 12
}

TEST(RenderDistorted, TouchesOnlyTheRectangleInsideThePicture) {
  WarpModel m = ModelWith(Pattern());
  m.ReplaceFace(Bitmap(kFaceSize, kFaceSize, 0x12345678));  // a view of this one colour
  m.RenderDistorted(kAll, 0.0, 0.0, 5, 10);
  m.ReplaceFace(Pattern());
  m.RenderDistorted({300, 310, 400, 500}, 1.0, 0.0, 5, 10);
  EXPECT_EQ(m.ViewBitmap().At(299, 315), 0x12345678u);
  EXPECT_EQ(m.ViewBitmap().At(305, 309), 0x12345678u);
  EXPECT_EQ(m.ViewBitmap().At(319, 319), m.FaceBitmap().At(319, 319));
  EXPECT_EQ(m.ViewBitmap().At(300, 310), m.FaceBitmap().At(300, 310));
}

TEST(SetFacePicture, FitsPicturesIntoTheSquareAndClearsTheField) {
  struct Case {
    int w, h;
    Rect drawn;
  };
  for (const Case& c : {Case{640, 480, {0, 40, 320, 280}}, Case{300, 400, {40, 0, 280, 320}},
                        Case{320, 320, {0, 0, 320, 320}}}) {
    WarpModel m;
    std::vector<double> shiftX = m.ShiftX(), shiftY = m.ShiftY();
    shiftX[5] = 3.0;
    shiftY[7] = -2.0;
    m.SetField(std::move(shiftX), std::move(shiftY));
    m.SetFacePicture(Bitmap(c.w, c.h, MakePixel(9, 8, 7)));
    for (int y = 0; y < kFaceSize; ++y)
      for (int x = 0; x < kFaceSize; ++x) {
        const bool inside =
            x >= c.drawn.left && x < c.drawn.right && y >= c.drawn.top && y < c.drawn.bottom;
        ASSERT_EQ(m.FaceBitmap().At(x, y), inside ? MakePixel(9, 8, 7) : kWhite)
            << c.w << "x" << c.h << " at " << x << "," << y;
      }
    EXPECT_EQ(m.ViewBitmap().Width(), kFaceSize);
    EXPECT_EQ(m.ShiftX()[5], 0.0);
    EXPECT_EQ(m.ShiftY()[7], 0.0);
  }
}

TEST(SetFacePicture, AFaceOrFieldOfAnotherSizeIsRefusedAndChangesNothing) {
  WarpModel m = ModelWith(Pattern());
  EXPECT_THROW(m.ReplaceFace(Bitmap(319, 320)), Error);
  EXPECT_EQ(m.FaceBitmap(), Pattern());
  const std::vector<double> shortField(kFaceSize * kFaceSize - 1, 1.0);
  EXPECT_THROW(m.SetField(shortField, m.ShiftY()), Error);
  EXPECT_THROW(m.SetField(m.ShiftX(), shortField), Error);
  EXPECT_EQ(m.ShiftX(), std::vector<double>(kFaceSize * kFaceSize, 0.0));
}

TEST(SetFacePicture, LeavesNothingOfThePreviousFaceBelowTheWindow) {
  WarpModel m;
  m.SetFacePicture(Bitmap(300, 400, 0));  // portrait: fills rows 0 to 319
  m.SetFacePicture(Bitmap(640, 480, 0));  // landscape: rows 40 to 279
  for (int y = 280; y < kFaceSize; ++y) ASSERT_EQ(m.FaceBitmap().At(100, y), kWhite) << y;
}

}  // namespace
}  // namespace quillo

namespace quillo {
namespace {

// The vector builds of the renderer this processor runs, by name.
template <class Kernel>
std::vector<std::pair<const char*, Kernel>> VectorBuilds(Kernel avx2, Kernel avx512) {
  std::vector<std::pair<const char*, Kernel>> builds;
  if (HasAvx2()) builds.emplace_back("AVX2", avx2);
  if (HasAvx512()) builds.emplace_back("AVX-512", avx512);
  return builds;
}

// The vector kernels must give exactly the pixels of the scalar ones.
TEST(RenderKernels, VectorAndScalarAgreeBitForBit) {
  if (!HasAvx2()) GTEST_SKIP() << "no AVX2 on this processor";
  const auto builds = VectorBuilds(render::RenderRectAvx2, render::RenderRectAvx512);
  std::mt19937 random(7);
  const Bitmap face = Pattern();
  std::vector<double> sx(kFaceSize * kFaceSize), sy(sx.size());
  // Shifts of every kind: tiny, half-way, whole, zero, far outside, not a number.
  const double specials[] = {0.0,   -0.0,   0.5,   -0.5, 1e-12,
                             318.6, -400.0, 0.499, 1.0,  std::numeric_limits<double>::quiet_NaN()};
  std::uniform_real_distribution<double> spread(-30.0, 30.0);
  for (std::size_t i = 0; i < sx.size(); ++i) {
    const unsigned pick = random() % 16;
    sx[i] = pick < 10 ? specials[pick] : spread(random);
    sy[i] = random() % 3 == 0 ? 0.0 : spread(random);
  }
  // Centres inside the picture and beyond either side of it.
  const int centres[][2] = {{90, 200}, {-37, 350}, {330, -5}};
  for (const auto& [cx, cy] : centres)
    for (int tag = 0; tag <= Squeeze; ++tag)
      for (bool smooth : {true, false})
        for (double strength : {1.0, -1.0, 0.37}) {
          Bitmap scalarView(kFaceSize, kFaceSize), vectorView(kFaceSize, kFaceSize);
          const render::Frame a{face, scalarView, kFaceSize, kFaceSize, smooth,   cx,
                                cy,   strength,   strength,  sx.data(), sy.data()};
          const render::Frame b{face, vectorView, kFaceSize, kFaceSize, smooth,   cx,
                                cy,   strength,   strength,  sx.data(), sy.data()};
          render::RenderRectBaseline(a, tag, {3, 1, 317, 320});
          for (const auto& [name, kernel] : builds) {
            kernel(b, tag, {3, 1, 317, 320});
            ASSERT_EQ(scalarView, vectorView)
                << name << " tag " << tag << " smooth " << smooth << " centre " << cx << ", " << cy;
          }
        }
  // At a scale of one the field is sampled as it stands; doubled and scaled
  // by a half it must show exactly the same pixels.
  std::vector<double> sx2 = sx, sy2 = sy;
  for (double& v : sx2) v *= 2;
  for (double& v : sy2) v *= 2;
  for (bool smooth : {true, false}) {
    Bitmap asIs(kFaceSize, kFaceSize), scaled(kFaceSize, kFaceSize);
    render::RenderRectAvx2(
        {face, asIs, kFaceSize, kFaceSize, smooth, 90, 200, 1.0, 0.0, sx.data(), sy.data()},
        WarpField, {0, 0, kFaceSize, kFaceSize});
    render::RenderRectAvx2(
        {face, scaled, kFaceSize, kFaceSize, smooth, 90, 200, 0.5, 0.0, sx2.data(), sy2.data()},
        WarpField, {0, 0, kFaceSize, kFaceSize});
    ASSERT_EQ(asIs, scaled) << "smooth " << smooth;
  }
}

// The full-size render's sampler at absolute places: the vector kernel
// gives the scalar one's pixels, at every kind of place (the edges, beyond
// them, not a number) and on a picture of an odd size.
TEST(RenderKernels, SamplingAtPlacesAgreesBitForBit) {
  if (!HasAvx2()) GTEST_SKIP() << "no AVX2 on this processor";
  Bitmap picture(333, 211);
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      picture.At(x, y) = MakePixel(x * 3 ^ y, y * 5 + x, (x * y) & 0xFF, 0x5A);
  std::mt19937 random(3);
  std::uniform_real_distribution<double> spread(-20.0, 360.0);
  const double specials[] = {0.0,   331.0, 332.0,
                             332.5, 210.0, 209.999,
                             -0.0,  -1e-9, std::numeric_limits<double>::quiet_NaN(),
                             1e300};
  std::vector<double> px(4099), py(px.size());
  for (std::size_t i = 0; i < px.size(); ++i) {
    px[i] = random() % 6 == 0 ? specials[random() % 10] : spread(random);
    py[i] = random() % 6 == 0 ? specials[random() % 10] : spread(random) * 0.6;
  }
  const int n = static_cast<int>(px.size());
  auto agree = [&](const char* what) {
    std::vector<Pixel> scalar(px.size());
    render::SamplePlacesBaseline(picture, px.data(), py.data(), n, scalar.data());
    for (const auto& [name, kernel] :
         VectorBuilds(render::SamplePlacesAvx2, render::SamplePlacesAvx512)) {
      std::vector<Pixel> vector(px.size());
      kernel(picture, px.data(), py.data(), n, vector.data());
      EXPECT_EQ(scalar, vector) << name << ", " << what;
    }
  };
  agree("places anywhere");
  // Runs of places on whole rows or whole columns, which the vector kernels
  // blend by halves, next to runs that are neither, in groups of four and
  // of eight.
  for (std::size_t i = 0; i < px.size(); ++i) {
    if (i % 12 < 4 || i % 24 >= 16) py[i] = std::floor(py[i]);
    if (i % 12 >= 4 && i % 12 < 8) px[i] = std::floor(px[i]);
  }
  agree("places on whole rows or columns");
}

// Where one run of a places kernel writes, and the row of the full-size
// render that points there.
struct Places {
  explicit Places(int n) : px(n), py(n), still(n) {}
  render::PhotoRow Row(const double* gx, double gy, double originX, double toPhotoX, double offsetX,
                       double originY, double toPhotoY, double offsetY) {
    return {gx,       gy,      originX,   toPhotoX,  offsetX,     originY,
            toPhotoY, offsetY, px.data(), py.data(), still.data()};
  }
  std::vector<double> px, py;
  std::vector<unsigned char> still;
};

// The radial mirror's places for the full-size render: the vector kernel
// gives the scalar one's places and still flags, the centre included.
TEST(RenderKernels, RadialPlacesAgreeBitForBit) {
  if (!HasAvx2()) GTEST_SKIP() << "no AVX2 on this processor";
  constexpr int n = 1003;
  std::vector<double> gx(n), ox(n), ox2(n);
  for (int i = 0; i < n; ++i) {
    gx[i] = -0.5 + i * 0.319;
    ox[i] = 150.0 - gx[i];
    ox2[i] = ox[i] * ox[i];
  }
  gx[500] = 150.0;  // the centre itself: no displacement
  ox[500] = 0.0;
  ox2[500] = 0.0;
  for (const double oy : {0.0, 12.25, -170.0}) {
    Places scalar(n), vector(n);
    auto row = [&](Places& p) {
      return render::RadialRow{p.Row(gx.data(), 170.0 - oy, 1.0, 12.5, 0.4, 40.0, 12.5, 0.4),
                               ox.data(), ox2.data(), oy, 0.83};
    };
    render::RadialPlacesBaseline(row(scalar), n);
    render::RadialPlacesAvx2(row(vector), n);
    EXPECT_EQ(scalar.px, vector.px) << oy;
    EXPECT_EQ(scalar.py, vector.py) << oy;
    EXPECT_EQ(scalar.still, vector.still) << oy;
    EXPECT_EQ(scalar.still[500], oy == 0.0);
  }
}

// The warp field's places for the full-size render: the vector kernel gives
// the scalar one's places and still flags, bit for bit, at the nodes, between
// them, at the last column and row, at scale one and another, on a field
// with zeros, infinities and NaNs; and the scalar one gives the field between
// its nodes as the one formula says, though it blends each row of nodes across
// once for all the photo rows between two of them.
TEST(RenderKernels, FieldPlacesAgreeBitForBit) {
  std::mt19937 random(5);
  std::uniform_real_distribution<double> spread(-20.0, 20.0);
  std::vector<double> fx(kFaceSize * kFaceSize), fy(fx.size());
  for (std::size_t i = 0; i < fx.size(); ++i) {
    fx[i] = i % 7 == 0 ? 0.0 : spread(random);
    fy[i] = i % 5 == 0 ? 0.0 : spread(random);
  }
  fx[321] = std::numeric_limits<double>::infinity();
  fy[322] = std::numeric_limits<double>::quiet_NaN();
  constexpr int n = 1001;
  std::vector<double> gx(n), fraction(n);
  std::vector<int> node(n), right(n);
  for (int i = 0; i < n; ++i) {
    gx[i] = std::min(i * 0.3193, 319.0);
    node[i] = static_cast<int>(gx[i]);
    right[i] = node[i] < kFaceSize - 1 ? 1 : 0;
    fraction[i] = i % 9 == 0 ? 0.0 : gx[i] - node[i];
  }
  auto bits = [](const std::vector<double>& v) {
    std::vector<std::uint64_t> b(v.size());
    std::memcpy(b.data(), v.data(), v.size() * sizeof(double));
    return b;
  };
  // The field between its nodes at column i, straight from the formula.
  auto between = [&](const std::vector<double>& f, int rowNode, int down, double rowFraction,
                     int i) {
    const double* at = f.data() + rowNode * kFaceSize + node[i];
    const double cx = fraction[i];
    if (cx == 0.0 && rowFraction == 0.0) return at[0];
    const int below = down * kFaceSize;
    return (at[0] * (1 - cx) + at[right[i]] * cx) * (1 - rowFraction) +
           (at[below] * (1 - cx) + at[below + right[i]] * cx) * rowFraction;
  };
  for (const int rowNode : {0, 1, 200, kFaceSize - 1})
    for (const double rowFraction : {0.0, 0.37})
      for (const double scale : {1.0, 0.7}) {
        const int down = rowNode < kFaceSize - 1 ? 1 : 0;
        render::FieldAcross above, below;
        render::BlendFieldAcross(fx.data(), fy.data(), kFaceSize, rowNode, node.data(),
                                 right.data(), fraction.data(), n, above);
        render::BlendFieldAcross(fx.data(), fy.data(), kFaceSize, rowNode + down, node.data(),
                                 right.data(), fraction.data(), n, below);
        Places scalar(n), vector(n), formula(n);
        auto row = [&](Places& p) {
          return render::FieldRow{
              p.Row(gx.data(), rowNode + rowFraction, 1.0, 12.5, 5.75, 40.0, 12.5, 5.75),
              above,
              below,
              fraction.data(),
              rowFraction,
              scale};
        };
        render::FieldPlacesBaseline(row(scalar), n);
        const auto at = [&] {
          return ::testing::Message() << rowNode << " " << rowFraction << " " << scale;
        };
        for (int i = 0; i < n; ++i) {
          double dx = between(fx, rowNode, down, rowFraction, i);
          double dy = between(fy, rowNode, down, rowFraction, i);
          if (scale != 1.0) {
            dx *= scale;
            dy *= scale;
          }
          formula.px[i] = (gx[i] + dx - 1.0) * 12.5 + 5.75;
          formula.py[i] = (rowNode + rowFraction + dy - 40.0) * 12.5 + 5.75;
        }
        EXPECT_EQ(bits(formula.px), bits(scalar.px)) << at();
        EXPECT_EQ(bits(formula.py), bits(scalar.py)) << at();
        if (!HasAvx2()) continue;
        render::FieldPlacesAvx2(row(vector), n);
        EXPECT_EQ(bits(scalar.px), bits(vector.px)) << at();
        EXPECT_EQ(bits(scalar.py), bits(vector.py)) << at();
        EXPECT_EQ(scalar.still, vector.still) << at();
      }
}

// The brush's vector kernel moves the field exactly as the scalar one, with
// the cone cut by every edge, radii of one and more, steps of any size, on a
// field with infinities and NaNs (which the renderer shows alike, too).
TEST(BrushKernels, VectorAndScalarAgreeBitForBit) {
  if (!HasAvx2()) GTEST_SKIP() << "no AVX2 on this processor";
  std::mt19937 random(11);
  std::uniform_real_distribution<double> spread(-30.0, 30.0);
  std::vector<double> x1(kFaceSize * kFaceSize), y1(x1.size());
  const double inf = std::numeric_limits<double>::infinity();
  const double odd[] = {0.0, 0.5, inf, -inf, std::numeric_limits<double>::quiet_NaN()};
  for (std::size_t i = 0; i < x1.size(); ++i) {
    x1[i] = random() % 8 == 0 ? odd[random() % 5] : spread(random);
    y1[i] = random() % 4 == 0 ? 0.0 : spread(random);
  }
  std::vector<double> x2 = x1, y2 = y1;

  // The renderer on this field, with its infinities and NaNs, first.
  const Bitmap face = Pattern();
  for (bool smooth : {true, false}) {
    Bitmap scalarView(kFaceSize, kFaceSize), vectorView(kFaceSize, kFaceSize);
    const render::Frame a{face, scalarView, kFaceSize, kFaceSize, smooth,   160,
                          160,  1.0,        0.0,       x1.data(), y1.data()};
    const render::Frame b{face, vectorView, kFaceSize, kFaceSize, smooth,   160,
                          160,  1.0,        0.0,       x1.data(), y1.data()};
    render::RenderRectBaseline(a, WarpField, {0, 0, kFaceSize, kFaceSize});
    render::RenderRectAvx2(b, WarpField, {0, 0, kFaceSize, kFaceSize});
    ASSERT_EQ(scalarView, vectorView) << "smooth " << smooth;
  }
  struct Step {
    int x, y, r;
    double stepX, stepY;
  };
  for (const Step& s :
       {Step{160, 160, 60, 4, -1}, Step{0, 0, 30, -7, 3}, Step{319, 2, 45, 1e-9, 250},
        Step{-20, 150, 33, 0.5, 0.5}, Step{150, 318, 1, 3, 3}, Step{77, 91, 2, -2, 0}}) {
    std::vector<double> cone;
    render::FillCone(s.r, cone);
    render::PushFieldBaseline({x1.data(), y1.data(), kFaceSize, kFaceSize, s.x, s.y, s.r,
                               cone.data(), s.stepX, s.stepY, 0.25});
    render::PushFieldAvx2({x2.data(), y2.data(), kFaceSize, kFaceSize, s.x, s.y, s.r, cone.data(),
                           s.stepX, s.stepY, 0.25});
  }
  // Equal as numbers, NaN where the other is NaN.
  for (std::size_t i = 0; i < x1.size(); ++i) {
    ASSERT_TRUE(x1[i] == x2[i] || (std::isnan(x1[i]) && std::isnan(x2[i]))) << i;
    ASSERT_TRUE(y1[i] == y2[i] || (std::isnan(y1[i]) && std::isnan(y2[i]))) << i;
  }
}

}  // namespace
}  // namespace quillo
