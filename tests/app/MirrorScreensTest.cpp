// The Warping and Mirrors screens driven through the real mouse handlers:
// smearing the face, moving a mirror, choosing mirrors and settling.
#include <gtest/gtest.h>
#include <QTest>

#include "app/QuilloApplication.h"
#include "app/QuilloWindows.h"
#include "io/core/Folders.h"
#include "skin/TGraphicSlider.h"
#include "support/TestFolder.h"
#include "support/WindowsTest.h"

namespace quillo {
namespace {

class MirrorScreens : public testing::WindowsTest {
 protected:
  void SetUp() override {
    windows_->WarpWindow->show();  // the screens' mirror, without the slide
    QCoreApplication::processEvents();
  }
  TWarpWindow& Mirror() { return *windows_->WarpWindow; }
  WarpModel& Model() { return Mirror().Model(); }
  void Move(QWidget& w, int x, int y) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), w.mapToGlobal(QPointF(x, y)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &move);
  }
};

TEST_F(MirrorScreens, AWarpDragSmearsExactlyAsTheBrushAndRepaintsTheSquare) {
  Form().EnterWarpingState();
  EXPECT_EQ(Model().BrushRadius(), 45);
  WarpModel expected = Model();
  QTest::mouseMove(&Mirror(), QPoint(150, 140));  // a move without a press changes nothing
  EXPECT_EQ(Model().ShiftX(), expected.ShiftX());

  QTest::mousePress(&Mirror(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 140));
  const Bitmap beforeMove = Model().ViewBitmap();
  Move(Mirror(), 150, 140);  // a zero-length first step
  EXPECT_EQ(Model().ShiftX(), expected.ShiftX());
  Move(Mirror(), 158, 146);
  Move(Mirror(), 400, 146);  // on beyond the window
  QTest::mouseRelease(&Mirror(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 146));
  EXPECT_FALSE(Model().Dragging());

  expected.BeginPress(150, 140, 10);
  expected.StartDrag();
  expected.DragStep(150, 140);
  expected.DragStep(158, 146);
  expected.DragStep(400, 146);
  EXPECT_EQ(Model().ShiftX(), expected.ShiftX());
  EXPECT_EQ(Model().ShiftY(), expected.ShiftY());
  // The square around the pointer was rendered with the new field, bilinear.
  expected.SetSmooth(true);
  expected.RenderDistorted({113, 101, 203, 191}, 1.0, 0.0, 0, 0);
  EXPECT_EQ(Model().ViewBitmap().At(158, 146), expected.ViewBitmap().At(158, 146));
  EXPECT_NE(Model().ViewBitmap().At(158, 146), beforeMove.At(158, 146));
}

TEST_F(MirrorScreens, PressingWithTheStrengthLoweredMakesTheWeakeningPermanent) {
  Form().EnterWarpingState();
  Model().SetField(std::vector<double>(Model().ShiftX().size(), 4.0), Model().ShiftY());
  Form().RightSlider->SetValue(5);
  QTest::mousePress(&Mirror(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(Model().ShiftX()[1000], 2.0);
  EXPECT_EQ(Form().RightSlider->Value(), 10);
  EXPECT_TRUE(Model().Smooth());
  QTest::mouseRelease(&Mirror(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
}

TEST_F(MirrorScreens, DraggingAMirrorPreviewsNearestAndSettlesSmooth) {
  Form().EnterMirrorsState();
  EXPECT_EQ(Model().Tag(), Horizontal);
  EXPECT_EQ(Form().LeftSlider->Value(), 5);
  Form().TimerTimer();
  const Bitmap settled = Model().ViewBitmap();
  QTest::mousePress(&Mirror(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 70));
  EXPECT_EQ(Model().ViewBitmap(), settled);  // the press alone renders nothing
  Move(Mirror(), 80, 90);
  EXPECT_EQ(Model().CenterX(), 80);
  EXPECT_FALSE(Model().Smooth());
  EXPECT_TRUE(Form().Timer.isActive());
  WarpModel nearest = Model();
  nearest.RenderDistorted({0, 0, 320, 307}, 1.0, 0.5, 0, 0);
  EXPECT_EQ(Model().ViewBitmap().At(30, 200), nearest.ViewBitmap().At(30, 200));
  QTest::mouseRelease(&Mirror(), Qt::LeftButton, Qt::NoModifier, QPoint(80, 90));
  Form().TimerTimer();
  EXPECT_TRUE(Model().Smooth());
  EXPECT_FALSE(Form().Timer.isActive());
  WarpModel smooth = Model();
  smooth.RenderDistorted({0, 0, 320, 307}, 1.0, 0.5, 0, 0);
  EXPECT_EQ(Model().ViewBitmap().At(30, 200), smooth.ViewBitmap().At(30, 200));
}

TEST_F(MirrorScreens, TheRightSliderSnapsToTheMirrorsAndReChoosingKeepsTheCentre) {
  Form().EnterMirrorsState();
  TGraphicSlider& right = *Form().RightSlider;
  QTest::mousePress(&right, Qt::LeftButton, Qt::NoModifier, QPoint(40, 230));  // lowest fifth
  QTest::mouseRelease(&right, Qt::LeftButton, Qt::NoModifier, QPoint(40, 230));
  EXPECT_EQ(right.Value(), 1);
  EXPECT_EQ(Model().Tag(), Squeeze);
  Model().SetCenter(12, Model().CenterY());
  QTest::mousePress(&right, Qt::LeftButton, Qt::NoModifier, QPoint(40, 200));
  QTest::mouseRelease(&right, Qt::LeftButton, Qt::NoModifier, QPoint(40, 200));
  EXPECT_EQ(Model().CenterX(), 12);  // the same mirror: nothing reset
  QTest::mousePress(&right, Qt::LeftButton, Qt::NoModifier, QPoint(40, 100));
  Move(right, 40, 5);  // dragging up to the top
  QTest::mouseRelease(&right, Qt::LeftButton, Qt::NoModifier, QPoint(40, 5));
  EXPECT_EQ(Model().Tag(), Horizontal);
  EXPECT_EQ(Model().CenterX(), 160);

  // The left slider sets the strength in even steps and the brush in every mode.
  TGraphicSlider& left = *Form().LeftSlider;
  QTest::mousePress(&left, Qt::LeftButton, Qt::NoModifier, QPoint(30, 0));
  QTest::mouseRelease(&left, Qt::LeftButton, Qt::NoModifier, QPoint(30, 0));
  EXPECT_EQ(left.Value(), 8);
  EXPECT_EQ(Model().BrushRadius(), 50);
  const auto& played = recorded_.sound.played;
  ASSERT_FALSE(played.empty());
  EXPECT_TRUE(QString::fromStdString(played.back()).endsWith("lslider.wav"));
}

}  // namespace
}  // namespace quillo
