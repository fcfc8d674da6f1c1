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

TEST_F(GraphicButton, AnOpaqueCellIsCopiedWithoutASnapshotAndAKeyShowsTheBackground) {
  Bitmap shown = button_.Compose();  // no key, transparency 0
  EXPECT_TRUE(button_.Background().Empty());
  EXPECT_EQ(shown, Bitmap(20, 10, MakePixel(10, 0, 0)));

  Bitmap sheet = FlatSheet();
  sheet.FillRect(RectOfSize(5, 0, 3, 2), MakePixel(0, 255, 255));  // aqua in cell 0
  holder_.SetPicture(sheet);
  button_.Resource.SetColor(kAqua);
  shown = button_.Compose();
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) {
      const bool keyed = x >= 5 && x < 8 && y < 2;
      ASSERT_EQ(ColourBits(shown.At(x, y)),
                keyed ? Patterned::At(10 + x, 20 + y) : MakePixel(10, 0, 0))
          << x << ", " << y;
    }
}

TEST_F(GraphicButton, TransparencyIsClampedAndAnUnchangedValueDoesNotRepaint) {
  int paints = 0;
  button_.OnPaint = [&](QWidget*, QPainter&) { ++paints; };
  QCoreApplication::processEvents();
  button_.SetTransparency(150);
  EXPECT_EQ(button_.Transparency(), 100);
  button_.SetTransparency(-5);
  EXPECT_EQ(button_.Transparency(), 0);
  QCoreApplication::processEvents();
  const int before = paints;
  button_.SetTransparency(0);
  QCoreApplication::processEvents();
  EXPECT_EQ(paints, before);
}

TEST_F(GraphicButton, MovingEmptiesTheSnapshotSoTheNextPaintShowsTheNewPlace) {
  button_.SetTransparency(100);
  EXPECT_EQ(ColourBits(button_.Compose().At(0, 0)), Patterned::At(10, 20));
  button_.move(50, 60);
  EXPECT_TRUE(button_.Background().Empty());
  EXPECT_EQ(ColourBits(button_.Compose().At(0, 0)), Patterned::At(50, 60));
}

TEST_F(GraphicButton, PressAndHoverChangeTheCellAndAHeldPressRepeats) {
  button_.Resource.AutoEnter = 2;
  button_.Resource.AutoLeave = 0;
  button_.TimerMouseDown = 100;
  std::vector<std::string> events;
  button_.OnMouseEnter = [&](TGraphicButton* b) {
    events.push_back("enter " + std::to_string(b->Resource.Index()));
  };
  button_.OnMouseDown = [&](TGraphicButton*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int) {
    events.push_back("down " + std::to_string(x));
  };
  button_.OnClick = [&](TGraphicButton*) { events.push_back("click"); };
  QEnterEvent enter(QPointF(3, 3), QPointF(13, 23), QPointF(13, 23));
  QCoreApplication::sendEvent(&button_, &enter);
  QTest::mousePress(&button_, Qt::LeftButton, Qt::NoModifier, QPoint(7, 4));
  EXPECT_EQ(button_.Resource.Index(), 1);
  EXPECT_EQ(button_.Timer().Interval(), 400);
  button_.TimerTick();  // 400 ms later
  EXPECT_EQ(button_.Timer().Interval(), 100);
  button_.TimerTick();  // 500 ms
  QTest::mouseRelease(&button_, Qt::LeftButton, Qt::NoModifier, QPoint(7, 4));
  EXPECT_FALSE(button_.Timer().Running());
  EXPECT_EQ(button_.Resource.Index(), 0);
  EXPECT_EQ(events, (std::vector<std::string>{"enter 2", "down 7", "down 0", "down 0", "click"}));

  // Another button changes no cell and starts no repeat.
  QTest::mousePress(&button_, Qt::RightButton, Qt::NoModifier, QPoint(7, 4));
  EXPECT_EQ(button_.Resource.Index(), 0);
  EXPECT_FALSE(button_.Timer().Running());
}

TEST_F(GraphicButton, AFadeShowsItsStepsAndSettingTheTransparencyStopsIt) {
  button_.AnimateTransparency(0, 100, 30);
  std::vector<int> shown;
  while (button_.Timer().Running()) {
    button_.TimerTick();
    shown.push_back(button_.Transparency());
  }
  EXPECT_EQ(shown, (std::vector<int>{30, 60, 90, 100}));
  button_.AnimateTransparency(100, 0, 30);
  button_.TimerTick();
  button_.SetTransparency(20);
  EXPECT_FALSE(button_.Timer().Running());
  EXPECT_EQ(button_.Transparency(), 20);
}

}  // namespace
}  // namespace quillo
