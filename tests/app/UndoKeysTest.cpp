// Undo and redo through the keys on the main window, on each mode screen:
// a change and Ctrl+Z show exactly what was there before, Ctrl+Shift+Z (or
// Ctrl+Y) exactly what came after; a key during a drag does nothing.
#include <gtest/gtest.h>
#include <QMouseEvent>
#include <QTest>

#include "app/QuilloApplication.h"
#include "app/QuilloWindows.h"
#include "skin/TGraphicSlider.h"
#include "skin/TPaintBox.h"
#include "support/TestFolder.h"
#include "support/WindowsTest.h"

namespace quillo {
namespace {

class UndoKeys : public testing::WindowsTest {
 protected:
  void SetUp() override {
    QApplication::setActiveWindow(&Form());
    QCoreApplication::processEvents();
  }
  void Undo() { QTest::keyClick(&Form(), Qt::Key_Z, Qt::ControlModifier); }
  void Redo() { QTest::keyClick(&Form(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
  void RedoY() { QTest::keyClick(&Form(), Qt::Key_Y, Qt::ControlModifier); }
  static void Move(QWidget* w, int x, int y, Qt::MouseButtons held = Qt::LeftButton) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                     held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
  }
  static void Drag(QWidget* w, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(w, button, Qt::NoModifier, from);
    for (int i = 1; i <= 4; ++i)
      Move(w, from.x() + (to.x() - from.x()) * i / 4, from.y() + (to.y() - from.y()) * i / 4,
           button);
    QTest::mouseRelease(w, button, Qt::NoModifier, to);
  }
  TWarpWindow& Mirror() { return *windows_->WarpWindow; }
  // The mirror window's view once it has settled.
  Bitmap Settled() {
    Form().TimerTimer();
    return Mirror().Model().ViewBitmap();
  }
};

TEST_F(UndoKeys, AWarpStrokeAndANewFaceGoBackWithTheFieldAndTheSliders) {
  Form().Page1Click();
  Drag(&Mirror(), {120, 120}, {150, 130});
  Form().RightSlider->SetValue(6);  // weakened: the next press bakes it in
  const Bitmap before = Settled();
  const std::vector<double> field = Mirror().Model().ShiftX();
  Drag(&Mirror(), {160, 150}, {130, 180});
  EXPECT_EQ(Form().RightSlider->Value(), 10);
  const Bitmap after = Settled();
  ASSERT_NE(after, before);

  Undo();
  EXPECT_EQ(Mirror().Model().ShiftX(), field);
  EXPECT_EQ(Form().RightSlider->Value(), 6);
  EXPECT_EQ(Settled(), before);
  Redo();
  EXPECT_EQ(Settled(), after);
  Undo();
  RedoY();
  EXPECT_EQ(Settled(), after);

  Mirror().SetFacePicture(testing::TestFace(50, 70));
  EXPECT_NE(Settled(), after);
  Undo();
  EXPECT_EQ(Settled(), after) << "the old face did not come back with its smears";
}

TEST_F(UndoKeys, AMirrorsCentreDragAndAMirrorChosenGoBack) {
  Form().Page2Click();
  const Bitmap start = Settled();
  Drag(&Mirror(), {60, 70}, {90, 100});
  const Bitmap moved = Settled();
  TGraphicSlider& right = *Form().RightSlider;
  QTest::mousePress(&right, Qt::LeftButton, Qt::NoModifier, QPoint(40, 230));  // Squeeze
  QTest::mouseRelease(&right, Qt::LeftButton, Qt::NoModifier, QPoint(40, 230));
  ASSERT_EQ(Mirror().Model().Tag(), Squeeze);
  Undo();
  EXPECT_EQ(Mirror().Model().Tag(), Horizontal);
  EXPECT_EQ(right.Value(), 10);
  EXPECT_EQ(Mirror().Model().CenterX(), 90) << "the chosen mirror's centre stayed";
  EXPECT_EQ(Settled(), moved);
  Undo();
  EXPECT_EQ(Settled(), start);
  Redo();
  Redo();
  EXPECT_EQ(Mirror().Model().Tag(), Squeeze);
}

TEST_F(UndoKeys, ABlendStrokeGoesBackAndAKeyDuringTheStrokeDoesNothing) {
  TBlendForm& blend = *windows_->BlendForm;
  Form().GraphicButton4Click();
  const Bitmap before = blend.Blend.BlendBitmap();
  TPaintBox* box = Form().PaintBox;
  QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  Move(box, 120, 110);
  Undo();  // under way: ignored
  Move(box, 140, 120);
  QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(140, 120));
  const Bitmap after = blend.Blend.BlendBitmap();
  ASSERT_NE(after, before);
  Undo();
  EXPECT_EQ(blend.Blend.BlendBitmap(), before);
  Redo();
  EXPECT_EQ(blend.Blend.BlendBitmap(), after);
}

TEST_F(UndoKeys, ANewMorphLineGoesBackAndEachScreenKeepsItsOwnHistory) {
  TMorphForm& morph = *windows_->MorphForm;
  Form().GraphicButton2Click();
  const int lines = morph.Morph.LineCount();
  Drag(Form().PaintBox1, {20, 20}, {60, 80});
  ASSERT_EQ(morph.Morph.LineCount(), lines + 1);
  const Bitmap face = morph.Morph.SourceBitmap2();
  Undo();
  EXPECT_EQ(morph.Morph.LineCount(), lines);
  Redo();
  EXPECT_EQ(morph.Morph.LineCount(), lines + 1);
  EXPECT_EQ(morph.Morph.Lines()[lines].End1, (RealPoint{60, 80}));

  // The Blending screen's history is its own: nothing to undo there.
  Form().ExitClick();
  Form().GraphicButton4Click();
  const Bitmap blend = windows_->BlendForm->Blend.BlendBitmap();
  Undo();
  EXPECT_EQ(windows_->BlendForm->Blend.BlendBitmap(), blend);
  Form().ExitClick();
  Form().GraphicButton2Click();
  Undo();
  EXPECT_EQ(morph.Morph.LineCount(), lines) << "the morph's history was lost on the way";
  EXPECT_EQ(morph.Morph.SourceBitmap2(), face);
}

}  // namespace
}  // namespace quillo
