// The shaped panel: its mask cut from the cell, its squeezed picture, its
// glide and its drag.
#include "skin/TNonRectPanel.h"

#include <gtest/gtest.h>
#include <QTest>

#include "skin/RegionFromBitmap.h"
#include "skin/core/PictureHolder.h"

namespace quillo {
namespace {

constexpr Pixel kKey = MakePixel(0, 255, 255);

class NonRectPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_.resize(300, 200);
    parent_.show();
    // A 6 x 6 cell at (0, 0) whose left half is key.
    Bitmap sheet(12, 12, MakePixel(90, 0, 0));
    sheet.FillRect(RectOfSize(0, 0, 3, 6), kKey);
    sheet_.SetPicture(sheet);
    panel_.setGeometry(20, 30, 6, 6);
    panel_.Resource.SetCols(2);
    panel_.Resource.SetImage(&sheet_);
  }

  QWidget parent_;
  PictureHolder sheet_{"Sheet"};
  TNonRectPanel panel_{&parent_};
};

TEST_F(NonRectPanel, TheShapeIsCutOnAKeyColourAndRecutWhenTheSheetChanges) {
  EXPECT_TRUE(panel_.mask().isEmpty());  // no key: rectangular
  panel_.Resource.SetColor(kAqua);
  EXPECT_EQ(panel_.mask(), QRegion(3, 0, 3, 6));
  sheet_.SetPicture(Bitmap(12, 12, kKey));  // all key: rectangular, not invisible
  EXPECT_TRUE(panel_.mask().isEmpty());
  EXPECT_TRUE(panel_.isVisible());
  Bitmap dotted(12, 12, kKey);
  dotted.At(1, 2) = MakePixel(1, 2, 3);
  sheet_.SetPicture(dotted);
  EXPECT_EQ(panel_.mask(), QRegion(1, 2, 1, 1));
}

TEST(RegionFromBitmap, CoversExactlyTheNonKeyPixels) {
  Bitmap cell(23, 17, kKey);
  QRegion expected;
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 23; ++x)
      if ((x * 7 + y * 3) % 5 < 2 || (y > 4 && y < 9 && x > 3)) {
        cell.At(x, y) = MakePixel(x, y, 1);
        expected += QRect(x, y, 1, 1);
      }
  const std::optional<QRegion> region = CreateRegionFromBitmap32(cell, kAqua);
  ASSERT_TRUE(region);
  EXPECT_TRUE((*region ^ expected).isEmpty());
  EXPECT_FALSE(CreateRegionFromBitmap32(Bitmap(4, 4, kKey), kAqua));
}

TEST_F(NonRectPanel, ATallerCellIsSqueezedIntoThePanel) {
  Bitmap sheet(66, 66);
  for (int y = 0; y < 66; ++y) sheet.FillRect(RectOfSize(0, y, 66, 1), MakePixel(y, 0, 0));
  sheet_.SetPicture(sheet);
  panel_.setGeometry(0, 0, 66, 60);
  panel_.Resource.SetHeight(66);
  EXPECT_EQ(panel_.CellPicture().Height(), 66);
  const QImage shown = panel_.grab().toImage();
  EXPECT_EQ(qRed(shown.pixel(5, 10)), 11);
  EXPECT_EQ(qRed(shown.pixel(5, 59)), 64);
}

TEST_F(NonRectPanel, MoveToGlidesWithAnEaseInAndEndsExactly) {
  panel_.MoveTo(100, 0, 500);
  std::vector<int> xs;
  while (panel_.Gliding()) {
    panel_.GlideTick();
    xs.push_back(panel_.x() - 20);
  }
  EXPECT_EQ(xs, (std::vector<int>{1, 4, 9, 16, 25, 36, 49, 64, 81, 100}));
  panel_.MoveTo(-5, 7, 0);
  EXPECT_EQ(panel_.pos(), QPoint(115, 37));
}

TEST_F(NonRectPanel, DraggingByTheArtMovesTheParentInsteadOfClicking) {
  QWidget window;
  window.resize(100, 100);
  TNonRectPanel grip(&window);
  grip.setGeometry(0, 0, 20, 20);
  grip.AutoMove = amSelf;
  int clicks = 0;
  grip.OnClick = [&](TNonRectPanel*) { ++clicks; };
  QTest::mousePress(&grip, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QMouseEvent move(QEvent::MouseMove, QPointF(15, 8), grip.mapToGlobal(QPointF(15, 8)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&grip, &move);
  QTest::mouseRelease(&grip, Qt::LeftButton, Qt::NoModifier, QPoint(15, 8));
  EXPECT_EQ(grip.pos(), QPoint(10, 3));
  EXPECT_EQ(clicks, 0);
}

}  // namespace
}  // namespace quillo
