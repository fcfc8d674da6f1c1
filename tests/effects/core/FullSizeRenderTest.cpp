// The photo through the mirror window's distortion at its own size: at
// 320 x 320 exactly the view, larger the same distortion mapped onto it.
#include <gtest/gtest.h>

#include "effects/core/FullSizeRender.h"

namespace quillo {
namespace {

// Gradients, and with `detail` a pattern that changes from pixel to pixel.
Bitmap Photo(int w, int h, bool detail = true) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.At(x, y) = MakePixel(x * 255 / w, y * 255 / h,
                             detail ? (x * 7 ^ y * 3) & 0xFF : (x + y) * 255 / (w + h));
  return b;
}

// A smeared model whose face is the photo itself.
WarpModel Smeared(const Bitmap& face) {
  WarpModel m;
  m.SetFacePicture(face);
  m.SetBrushRadius(50);
  for (int y = 80; y <= 240; y += 80) {
    m.BeginPress(60, y, 10);
    m.StartDrag();
    for (int x = 70; x <= 260; x += 6) m.DragStep(x, y + x % 9 - 4);
    m.EndDrag();
  }
  return m;
}

TEST(FullSizeRender, AtTheFacesOwnSizeItIsTheViewExactlyForTheFieldAndEveryMirror) {
  const Bitmap face = Photo(kFaceSize, kFaceSize);
  WarpModel m = Smeared(face);
  m.ReplaceFace(face);  // exactly the photo, not a redrawn copy
  m.SetSmooth(true);
  struct Case {
    int tag;
    double s, b;
    int cx, cy;
  };
  for (const Case& c : {Case{WarpField, 1.0, 0, 0, 0}, Case{WarpField, 0.7, 0, 0, 0},
                        Case{Horizontal, 0, 0.6, 150, 170}, Case{Vertical, 0, -0.8, 100, 200},
                        Case{Radial, 0, 1.0, 160, 160}, Case{Radial, 0, -0.4, 30, 290},
                        Case{Squeeze, 0, 0.5, 200, 120}}) {
    m.SetMode(c.tag);
    m.SetCenter(c.cx, c.cy);
    m.RenderDistorted({0, 0, kFaceSize, kFaceSize}, c.s, c.b, 0, 0);
    const Bitmap full = RenderFullSize(m, face, c.s, c.b);
    int differing = 0;
    for (int i = 0; i < kFaceSize * kFaceSize; ++i)
      differing += full.Data()[i] != m.ViewBitmap().Data()[i];
    EXPECT_EQ(differing, 0) << "tag " << c.tag << " s " << c.s << " b " << c.b;
  }
}

TEST(FullSizeRender, ALargerPhotoShowsTheSameDistortionAtItsOwnSize) {
  const Bitmap photo = Photo(1280, 960, false);
  WarpModel m = Smeared(photo);
  ASSERT_TRUE(m.Photo());
  m.SetSmooth(true);
  for (const int tag : {WarpField, Radial}) {
    m.SetMode(tag);
    m.SetCenter(160, 160);
    m.RenderDistorted({0, 0, kFaceSize, kFaceSize}, 1.0, 0.8, 0, 0);
    const Bitmap full = RenderFullSize(m, photo, 1.0, 0.8);
    ASSERT_EQ(full.Width(), 1280);
    ASSERT_EQ(full.Height(), 960);
    // Shrunk back to the face's scale (4 to 1), it is the view within the
    // blur of the two samplings.
    const Rect fit = FitInFace(1280, 960);
    double sum = 0;
    int n = 0;
    for (int y = fit.top + 4; y < fit.bottom - 4; y += 3)
      for (int x = fit.left + 4; x < fit.right - 4; x += 3) {
        const Pixel v = m.ViewBitmap().At(x, y);
        const Pixel f = full.At((x - fit.left) * 4 + 2, (y - fit.top) * 4 + 2);
        for (int shift : {0, 8, 16})
          sum += std::abs(int(v >> shift & 0xFF) - int(f >> shift & 0xFF));
        n += 3;
      }
    EXPECT_LT(sum / n, 6.0) << "tag " << tag;
  }
  // Undistorted, the photo comes out as it went in.
  m.SetMode(Radial);
  const Bitmap same = RenderFullSize(m, photo, 1.0, 0.0);
  EXPECT_EQ(same, photo);
}

}  // namespace
}  // namespace quillo
