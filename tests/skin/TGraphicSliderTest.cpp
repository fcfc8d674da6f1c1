// The graphic slider: where its thumb sits and how dragging moves the value.
#include "skin/TGraphicSlider.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <QTest>

#include "skin/core/PictureHolder.h"

namespace quillo {
namespace {

class GraphicSlider : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_.resize(400, 300);
    parent_.show();
    sheet_.SetPicture(Bitmap(64, 32, MakePixel(200, 10, 10)));
    slider_.Resource.SetImage(&sheet_);
    slider_.OnChange = [this](TGraphicSlider* s) { changes_.push_back(s->Value()); };
  }
  // The horizontal track: 300 x 15 with a 28 x 15 thumb.
  void Horizontal() {
    slider_.setGeometry(10, 10, 300, 15);
    slider_.Resource.SetWidth(28);
    slider_.Resource.SetHeight(15);
    slider_.SetValue(50);
    changes_.clear();
  }

  QWidget parent_;
  PictureHolder sheet_{"Sheet"};
  TGraphicSlider slider_{&parent_};
  std::vector<int> changes_;
};

TEST_F(GraphicSlider, APressOnTheThumbWhereItIsKeepsTheValueWithoutOnChange) {
  Horizontal();
  EXPECT_EQ(slider_.GetValueRect(), RectOfSize(136, 0, 28, 15));
  QTest::mousePress(&slider_, Qt::LeftButton, Qt::NoModifier, QPoint(150, 7));
  EXPECT_TRUE(slider_.Dragging());
  EXPECT_EQ(slider_.Value(), 50);
  EXPECT_TRUE(changes_.empty());
  QTest::mouseRelease(&slider_, Qt::LeftButton, Qt::NoModifier, QPoint(150, 7));
  EXPECT_FALSE(slider_.Dragging());
}

TEST_F(GraphicSlider, DraggingFarPastTheEndGivesMaxAndCallsOnChangeOnEveryMove) {
  Horizontal();
  QTest::mousePress(&slider_, Qt::LeftButton, Qt::NoModifier, QPoint(140, 7));
  EXPECT_EQ(slider_.Value(), 46);  // the press on the thumb moves at once
  for (int x : {900, 950, 1000}) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, 7), QPointF(x, 7), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&slider_, &move);
  }
  EXPECT_EQ(slider_.Value(), 100);
  EXPECT_EQ(changes_, (std::vector<int>{46, 100, 100, 100}));
  // A press beside the thumb changes nothing.
  QTest::mouseRelease(&slider_, Qt::LeftButton, Qt::NoModifier, QPoint(1000, 7));
  QTest::mousePress(&slider_, Qt::LeftButton, Qt::NoModifier, QPoint(10, 7));
  EXPECT_FALSE(slider_.Dragging());
  EXPECT_EQ(slider_.Value(), 100);
}

TEST_F(GraphicSlider, TheMirrorSliderPlacesItsThinThumbAndOwnsNoDrag) {
  slider_.setGeometry(10, 10, 65, 245);
  slider_.Resource.SetWidth(59);
  slider_.Resource.SetHeight(0);
  slider_.SetMax(10);
  slider_.SetValue(5);
  EXPECT_EQ(slider_.GetValueRect(), RectOfSize(3, 123, 59, 0));
  QTest::mousePress(&slider_, Qt::LeftButton, Qt::NoModifier, QPoint(30, 123));
  EXPECT_FALSE(slider_.Dragging());  // a thumb 0 high cannot be hit

  slider_.SetValue(10);
  slider_.SetMax(5);
  EXPECT_EQ(slider_.Value(), 10);  // not clamped until set again
  slider_.SetValue(12);
  EXPECT_EQ(slider_.Value(), 5);
}

TEST_F(GraphicSlider, TheThumbIsBlendedOverWhatOnPaintDrewAndClippedToTheSlider) {
  Horizontal();
  slider_.SetTransparency(50);
  slider_.OnPaint = [](QWidget*, QPainter& canvas) {
    canvas.fillRect(0, 0, 300, 15, QColor(0, 0, 100));
  };
  slider_.SetValue(100);  // thumb at the right end
  const Bitmap shown = slider_.Compose();
  EXPECT_EQ(ColourBits(shown.At(0, 0)), MakePixel(0, 0, 100));
  EXPECT_EQ(ColourBits(shown.At(290, 5)), MakePixel(100, 5, 55));  // half thumb, half paint
}

}  // namespace
}  // namespace quillo
