// The graphic button as a user sees it: the cell blended over what lies
// behind it, the pointer states, the fade and the auto-repeat.
#include "skin/TGraphicButton.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <QTest>

#include "skin/BitmapImage.h"
#include "skin/core/PictureHolder.h"

namespace quillo {
namespace {

// A parent that paints a pattern whose every pixel tells where it is.
class Patterned final : public QWidget {
 public:
  Patterned() { resize(200, 100); }
  static Pixel At(int x, int y) { return MakePixel(x, y, 77); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QImage image(width(), height(), QImage::Format_RGB32);
    for (int y = 0; y < height(); ++y)
      for (int x = 0; x < width(); ++x) image.setPixel(x, y, 0xFF000000u | At(x, y));
    painter.drawImage(0, 0, image);
  }
};

// A sheet whose cells are flat colours: cell i of a 2-column strip at (0, 0)
// of 20 x 10 cells has red 10 x (i + 1).
Bitmap FlatSheet() {
  Bitmap sheet(40, 20, 0);
  for (int i = 0; i < 4; ++i)
    sheet.FillRect(RectOfSize(20 * (i % 2), 10 * (i / 2), 20, 10), MakePixel(10 * (i + 1), 0, 0));
  return sheet;
}

class GraphicButton : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_.show();
    holder_.SetPicture(FlatSheet());
    button_.setGeometry(10, 20, 20, 10);
    button_.Resource.SetImage(&holder_);
  }

  Patterned parent_;
  PictureHolder holder_{"Sheet"};
  TGraphicButton button_{&parent_};
};

TEST_F(GraphicButton, FullTransparencyShowsExactlyTheBackgroundEvenBeyondTheParent) {
  button_.SetTransparency(100);
  button_.setGeometry(190, 95, 20, 10);  // partly outside the parent
  const Bitmap shown = button_.Compose();
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 10; ++x)
      ASSERT_EQ(ColourBits(shown.At(x, y)), Patterned::At(190 + x, 95 + y)) << x << ", " << y;
}

}  // namespace
}  // namespace quillo
