// The Blending screen driven offscreen through the main window's controls:
// the anchor, the clone brush and the eraser by the real mouse handlers, the
// loads, and the save dialog with the cross-fade frames (the video itself is
// checked end to end, tests/e2e).
#include <gtest/gtest.h>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "app/QuilloWindows.h"
#include "effects/core/BlendBrush.h"
#include "io/core/BitmapFile.h"
#include "skin/TGraphicButton.h"
#include "skin/TNonRectPanel.h"
#include "skin/TPaintBox.h"
#include "support/TestFolder.h"
#include "support/WindowsTest.h"

namespace quillo {
namespace {

constexpr QRgb kRed = 0xFFFF0000;
const Pixel kLeft = MakePixel(7, 101, 255, 0xFF);

class BlendScreen : public testing::WindowsTest {
 protected:
  void SetUp() override {
    Blend().Blend.SetPicture(BlendPicture::Left, Bitmap(kBlendSide, kBlendSide, kLeft));
    Blend().Blend.SetPicture(BlendPicture::Right, testing::TestFace(kBlendSide, kBlendSide));
    Blend().Blend.SetPicture(BlendPicture::Blend, Blend().Blend.LeftFace());
    Form().GraphicButton4Click();
  }
  TBlendForm& Blend() { return *windows_->BlendForm; }
  TPaintBox* Box() { return Form().PaintBox; }

  void Press(Qt::MouseButton button, int x, int y) {
    QTest::mousePress(Box(), button, Qt::NoModifier, QPoint(x, y));
  }
  // A move with the left button down (the toolkit drops moves without one).
  void Move(int x, int y) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), Box()->mapToGlobal(QPointF(x, y)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Box(), &move);
  }
  void Release(Qt::MouseButton button, int x, int y) {
    QTest::mouseRelease(Box(), button, Qt::NoModifier, QPoint(x, y));
  }
  // The blend picture after one more dab of `source` at (x, y) shifted by (ox, oy).
  Bitmap Dabbed(const Bitmap& source, int x, int y, int ox, int oy) {
    Bitmap b = Blend().Blend.BlendBitmap();
    BlendDab(b, source, x, y, ox, oy);
    return b;
  }
};

TEST_F(BlendScreen, APressOnAFaceMovesTheAnchorAndItsMarkThere) {
  TJumpForm& f = Form();
  QTest::mousePress(f.PaintBox1, Qt::LeftButton, Qt::NoModifier, QPoint(72, 72));
  EXPECT_EQ(Blend().Blend.AnchorX(), 144);
  EXPECT_EQ(Blend().Blend.AnchorY(), 144);
  EXPECT_EQ(Blend().Blend.SelectedFace(), 1);
  const QImage left = f.PaintBox1->grab().toImage(), right = f.PaintBox2->grab().toImage();
  for (const QPoint p : {QPoint(72, 72), QPoint(62, 72), QPoint(82, 72), QPoint(72, 62)}) {
    EXPECT_EQ(left.pixel(p), kRed) << p.x() << "," << p.y();
    EXPECT_NE(right.pixel(p), kRed) << p.x() << "," << p.y();
  }
  EXPECT_NE(left.pixel(72, 67), kRed);  // inside the circle: not filled
  QTest::mousePress(f.PaintBox2, Qt::RightButton, Qt::NoModifier, QPoint(10, 20));
  EXPECT_EQ(Blend().Blend.SelectedFace(), 2);
  EXPECT_NE(f.PaintBox1->grab().toImage().pixel(62, 72), kRed);
  EXPECT_EQ(f.PaintBox2->grab().toImage().pixel(10, 20), kRed);
  EXPECT_EQ(Blend().Blend.BlendBitmap(), Blend().Blend.LeftFace());
}

TEST_F(BlendScreen, TheFirstDabIsOnThePressAndTheCloneKeepsItsShiftForTheStroke) {
  // The anchor at (144, 144) of the right face, pressed at (100, 60).
  QTest::mousePress(Form().PaintBox2, Qt::LeftButton, Qt::NoModifier, QPoint(72, 72));
  const Bitmap& right = Blend().Blend.RightFace();
  Bitmap expected = Dabbed(right, 100, 60, 44, 84);
  Press(Qt::LeftButton, 100, 60);
  EXPECT_EQ(Blend().Blend.BlendBitmap(), expected);
  expected = Dabbed(right, 120, 70, 44, 84);
  Move(120, 70);
  EXPECT_EQ(Blend().Blend.BlendBitmap(), expected);
  EXPECT_EQ(Box()->grab().toImage().pixel(120, 70) & 0xFFFFFF, expected.At(120, 70));
  Release(Qt::LeftButton, 120, 70);
  Move(140, 70);  // a late move after the release
  EXPECT_EQ(Blend().Blend.BlendBitmap(), expected);
}

TEST_F(BlendScreen, TheRightButtonBringsTheBaseFaceBackInPlaceAndADoubleClickChangesIt) {
  TJumpForm& f = Form();
  // The right face carries the anchor; the base is the left face.
  Press(Qt::LeftButton, 100, 100);
  Release(Qt::LeftButton, 100, 100);
  Bitmap expected = Dabbed(Blend().Blend.LeftFace(), 100, 100, 0, 0);
  Press(Qt::RightButton, 100, 100);
  Release(Qt::RightButton, 100, 100);
  EXPECT_EQ(Blend().Blend.BlendBitmap(), expected);

  // A double-click on the right face throws the painting away and makes
  // the right face the base, whichever face carries the anchor.
  QTest::mouseDClick(f.PaintBox2, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
  EXPECT_EQ(Blend().Blend.BlendBitmap(), Blend().Blend.RightFace());
  EXPECT_EQ(f.PaintBox->Tag, 2);
  QTest::mousePress(f.PaintBox1, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
  expected = Dabbed(Blend().Blend.RightFace(), 40, 200, 0, 0);
  Press(Qt::RightButton, 40, 200);
  EXPECT_EQ(Blend().Blend.BlendBitmap(), expected);
}

TEST_F(BlendScreen, StrokesByTheEdgesPaintOnlyWhatLiesInsideBothPictures) {
  // Every pixel a dab reaches loses its fourth byte. With the anchor in the
  // middle of the right face, a press near the corner (3, 3) shifts the
  // source by (142, 142): around (150, 150) only the upper left quarter of
  // the brush finds its source inside the face; the rest is left alone.
  Press(Qt::LeftButton, 3, 3);
  Move(150, 150);
  const auto reached = [](int c, int r, int x, int y) {
    return (c - x) * (c - x) + (r - y) * (r - y) <= kBrushReach * kBrushReach;
  };
  int wrong = 0;
  for (int r = 0; r < kBlendSide; ++r)
    for (int c = 0; c < kBlendSide; ++c) {
      const bool painted =
          reached(c, r, 3, 3) || (reached(c, r, 150, 150) && c + 142 < 290 && r + 142 < 290);
      const Pixel p = Blend().Blend.BlendBitmap().At(c, r);
      wrong += painted ? Fourth(p) != 0 : p != kLeft;
    }
  EXPECT_EQ(wrong, 0);
}

TEST_F(BlendScreen, LoadsFitTheirPictureBehindTheHiddenBoxAndLeaveTheAnchorAlone) {
  TJumpForm& f = Form();
  TOpenForm& open = *windows_->OpenForm;
  const Pixel wide = MakePixel(200, 30, 90);
  const struct {
    std::function<void()> click;
    const Bitmap& picture;
  } loads[] = {{[&] { f.Load1->OnClick(f.Load1); }, Blend().Blend.LeftFace()},
               {[&] { f.Load2->OnClick(f.Load2); }, Blend().Blend.RightFace()},
               {[&] { f.LoadPanel->OnClick(f.LoadPanel); }, Blend().Blend.BlendBitmap()}};
  for (const auto& load : loads) {
    const Bitmap before = load.picture;
    open.OnShowModal = [](ModalWindow* w) { w->EndModal(kModalCancel); };
    load.click();
    EXPECT_EQ(load.picture, before);
    EXPECT_TRUE(f.PaintBox->isVisible());
    open.OnShowModal = [&](ModalWindow* w) {
      EXPECT_FALSE(f.PaintBox->isVisible());
      open.ResultPicture = Bitmap(580, 290, wide);
      w->EndModal(kModalOk);
    };
    load.click();
    // Drawn 290 x 145 from row 72 down, on a white ground.
    EXPECT_EQ(load.picture.At(145, 71), kBlendGround);
    EXPECT_EQ(load.picture.At(145, 72), wide);
    EXPECT_EQ(load.picture.At(145, 217), kBlendGround);
    EXPECT_TRUE(open.ResultPicture.Empty());
    EXPECT_TRUE(f.PaintBox->isVisible());
  }
  EXPECT_EQ(Blend().Blend.AnchorX(), 145);
  EXPECT_EQ(Blend().Blend.SelectedFace(), 2);
  EXPECT_EQ(f.PaintBox->Tag, 1);
}

TEST_F(BlendScreen, SavingLendsACopyWhoseFramesCrossFadeFromTheLeftFace) {
  TSaveForm& save = *windows_->SaveForm;
  Blend().Blend.SetPicture(BlendPicture::Blend,
                           Bitmap(kBlendSide, kBlendSide, MakePixel(3, 255, 0, 0x5A)));
  const Bitmap blend = Blend().Blend.BlendBitmap();
  save.FileExt = "mph";
  std::vector<Pixel> frames;
  save.OnShowModal = [&](ModalWindow* w) {
    EXPECT_FALSE(Form().PaintBox->isVisible());
    EXPECT_EQ(save.FileExt, "bmp");
    ASSERT_NE(save.SaveBitmap, &Blend().Blend.BlendBitmap());
    EXPECT_EQ(*save.SaveBitmap, blend);
    for (const int p : {0, 50, 100}) {
      save.Tag = p;
      save.OnRenderFrame();
      frames.push_back(save.SaveBitmap->At(289, 289));
    }
    w->EndModal(kModalOk);
  };
  Form().SavePanel->OnClick(Form().SavePanel);
  // Each channel: left x (1 - t) truncated + blend x t truncated; the
  // fourth byte is the copy's.
  EXPECT_EQ(frames, (std::vector<Pixel>{MakePixel(7, 101, 255, 0x5A), MakePixel(4, 177, 127, 0x5A),
                                        MakePixel(3, 255, 0, 0x5A)}));
  EXPECT_EQ(Blend().Blend.BlendBitmap(), blend);
  EXPECT_EQ(save.SaveBitmap, nullptr);  // the copy is gone
  EXPECT_TRUE(Form().PaintBox->isVisible());
}

TEST(BlendFaces, ADefaultFaceOfAnotherSizeIsFittedIn) {
  QTemporaryDir dir;
  const std::string small = dir.filePath("small.bmp").toStdString();
  SaveBitmapFile(small, Bitmap(100, 50, MakePixel(0, 0, 200)), 24);
  TBlendForm blend;
  blend.LoadDefaultFaces(small, small);
  EXPECT_EQ(blend.Blend.LeftFace().Width(), kBlendSide);
  EXPECT_EQ(blend.Blend.RightFace().Height(), kBlendSide);
  EXPECT_EQ(blend.Blend.BlendBitmap().At(145, 145), MakePixel(0, 0, 200));
  EXPECT_EQ(blend.Blend.BlendBitmap().At(145, 10), kBlendGround);
}

}  // namespace
}  // namespace quillo
