// The main window's screens as a user moves between them: the slide in and
// out, what shows on each screen, the grafted handlers of Morphing and
// Blending, the Load and Save tabs, the title strip and the shortcuts.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTest>

#include "app/QuilloApplication.h"
#include "app/QuilloWindows.h"
#include "io/core/Folders.h"
#include "media/TVideoPlayer.h"
#include "skin/TGraphicButton.h"
#include "skin/TGraphicSlider.h"
#include "skin/TNonRectPanel.h"
#include "skin/TPaintBox.h"
#include "support/TestFolder.h"
#include "support/WindowsTest.h"

namespace quillo {
namespace {

class Screens : public testing::WindowsTest {
 protected:
  void SetUp() override {
    QApplication::setActiveWindow(&Form());
    QCoreApplication::processEvents();
    recorded_.sound.played.clear();
  }
  QString LastCue() const {
    const auto& played = recorded_.sound.played;
    return played.empty() ? QString() : QString::fromStdString(played.back());
  }
  // Presses on the window itself at client (x, y), then moves by (dx, dy).
  void PressOnClient(int x, int y, int dx = 0, int dy = 0) {
    QWidget* client = Form().Client();
    QTest::mousePress(client, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    const QPoint to(x + dx, y + dy);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), client->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(client, &move);
    QTest::mouseRelease(client, Qt::LeftButton, Qt::NoModifier, to);
  }
};

TEST_F(Screens, SlidingIntoWarpingAndBackHome) {
  TJumpForm& f = Form();
  // Halfway through the slide the window takes no input and the buttons are gone.
  int ticks = 0;
  QObject::connect(&f.AnimTimer, &QTimer::timeout, &f, [&] {
    if (++ticks == 5) {
      EXPECT_FALSE(f.isEnabled());
      EXPECT_FALSE(f.GraphicButton1->isVisible());
      EXPECT_FALSE(f.GraphicButton5->isVisible());
    }
  });
  f.Page1Click();
  EXPECT_EQ(ticks, 10);
  EXPECT_TRUE(LastCue().endsWith("/move2.wav"));
  EXPECT_EQ(f.CurrentScreen, 1);
  EXPECT_TRUE(f.isEnabled());
  EXPECT_EQ(f.HelpPanel->y(), 438);
  EXPECT_EQ(f.LoadPanel->pos(), QPoint(-5, 420));
  EXPECT_EQ(f.SavePanel->pos(), QPoint(569, 420));
  EXPECT_EQ(f.LeftPanel->x(), -4);
  EXPECT_EQ(f.RightPanel->x(), 492);
  EXPECT_FALSE(f.GraphicButton1->isVisible());
  EXPECT_TRUE(f.GraphicButton5->isVisible());
  EXPECT_FALSE(f.StartPaintBox->isVisible());
  EXPECT_TRUE(windows_->WarpWindow->isVisible());
  EXPECT_EQ(f.LeftSlider->Min(), 0);
  EXPECT_EQ(f.LeftSlider->Value(), 7);

  ticks = 0;
  f.ExitClick();
  EXPECT_EQ(ticks, 16);
  EXPECT_TRUE(LastCue().endsWith("/move1.wav"));
  EXPECT_EQ(f.CurrentScreen, 0);
  EXPECT_EQ(f.HelpPanel->y(), 475);
  EXPECT_EQ(f.LoadPanel->pos(), QPoint(-71, 480));
  EXPECT_EQ(f.SavePanel->pos(), QPoint(635, 480));
  EXPECT_EQ(f.LeftPanel->x(), -112);
  EXPECT_FALSE(f.LeftPanel->isVisible());  // parked and hidden after the first visit
  EXPECT_FALSE(f.RightPanel->isVisible());
  EXPECT_TRUE(f.GraphicButton1->isVisible());
  EXPECT_TRUE(f.GraphicButton4->isVisible());
  EXPECT_TRUE(f.StartPaintBox->isVisible());
  EXPECT_FALSE(windows_->WarpWindow->isVisible());

  // Mirrors: the strength slider runs from -10, the right slider picks a mirror.
  f.Page2Click();
  EXPECT_TRUE(f.LeftPanel->isVisible());
  EXPECT_EQ(f.LeftSlider->Min(), -10);
  EXPECT_EQ(f.LeftSlider->Value(), 5);
  EXPECT_EQ(f.RightSlider->Value(), 10);
  EXPECT_EQ(f.CurrentScreen, 2);
  f.ExitClick();
  f.Page1Click();
  EXPECT_EQ(f.LeftSlider->Min(), 0);
  EXPECT_EQ(f.LeftSlider->Value(), 7);
  EXPECT_TRUE(recorded_.messages.errors.isEmpty());
}

TEST_F(Screens, MorphingAndBlendingLendTheirHandlersUntilHome) {
  TJumpForm& f = Form();
  f.GraphicButton2Click();
  EXPECT_EQ(f.CurrentScreen, 3);
  EXPECT_EQ(f.MorphLeftPanel->x(), -10);
  EXPECT_EQ(f.MorphRightPanel->x(), 446);
  EXPECT_TRUE(f.PaintBox->isVisible());
  EXPECT_TRUE(f.TrackBar->isVisible());
  EXPECT_TRUE(f.PaintBox->OnPaint && f.PaintBox1->OnPaint && f.PaintBox2->OnPaint);
  EXPECT_FALSE(windows_->WarpWindow->isVisible());
  f.ExitClick();
  EXPECT_FALSE(f.PaintBox->OnPaint || f.PaintBox1->OnPaint || f.PaintBox2->OnPaint);
  EXPECT_FALSE(f.PaintBox->isVisible());
  EXPECT_FALSE(f.TrackBar->isVisible());
  EXPECT_FALSE(f.MorphLeftPanel->isVisible());

  f.GraphicButton4Click();
  EXPECT_EQ(f.CurrentScreen, 4);
  EXPECT_TRUE(f.PaintBox->isVisible());
  EXPECT_FALSE(f.TrackBar->isVisible());
  const QImage shown = f.PaintBox->grab().toImage();
  EXPECT_NE(shown.pixel(145, 145), shown.pixel(0, 0));  // the blend picture, not nothing
  f.ExitClick();
  EXPECT_FALSE(f.PaintBox1->OnPaint);
}

TEST_F(Screens, LoadAndSaveTabsOfWarpingHandTheFaceOnAndOff) {
  TJumpForm& f = Form();
  f.Page1Click();
  // Cancel leaves the face; OK puts the chosen picture in.
  TOpenForm& open = *windows_->OpenForm;
  const Bitmap before = windows_->WarpWindow->Model().FaceBitmap();
  open.OnShowModal = [](ModalWindow* w) { w->EndModal(kModalCancel); };
  f.LoadPanel->OnClick(f.LoadPanel);
  EXPECT_TRUE(LastCue().endsWith("/open.wav"));
  EXPECT_EQ(windows_->WarpWindow->Model().FaceBitmap(), before);
  EXPECT_TRUE(windows_->WarpWindow->isVisible());
  open.OnShowModal = [&](ModalWindow* w) {
    EXPECT_FALSE(windows_->WarpWindow->isVisible());
    open.ResultPicture = Bitmap(64, 64, MakePixel(200, 10, 10));
    w->EndModal(kModalOk);
  };
  f.LoadPanel->OnClick(f.LoadPanel);
  EXPECT_EQ(windows_->WarpWindow->Model().FaceBitmap().At(160, 160), MakePixel(200, 10, 10));
  EXPECT_TRUE(open.ResultPicture.Empty());

  TSaveForm& save = *windows_->SaveForm;
  save.OnShowModal = [&](ModalWindow* w) {
    ASSERT_EQ(save.SaveBitmap, &windows_->WarpWindow->Model().ViewBitmap());
    save.Tag = 0;
    save.OnRenderFrame();  // the undistorted face at 0 %
    EXPECT_EQ(save.SaveBitmap->At(10, 10), windows_->WarpWindow->Model().FaceBitmap().At(10, 10));
    w->EndModal(kModalCancel);
  };
  f.SavePanel->OnClick(f.SavePanel);
  EXPECT_TRUE(LastCue().endsWith("/save.wav"));
  EXPECT_TRUE(windows_->WarpWindow->isVisible());
}

TEST_F(Screens, TitleStripMovesTheWindowAndExitOnHomeCloses) {
  TJumpForm& f = Form();
  const QPoint start = f.pos();
  PressOnClient(100, 20, 30, 12);
  EXPECT_EQ(f.pos(), start + QPoint(30, 12));
  PressOnClient(601, 20, 30, 12);  // beyond the strip: swallowed
  PressOnClient(100, 40, 30, 12);  // below it
  EXPECT_EQ(f.pos(), start + QPoint(30, 12));

  // Not the active window (a dialog is up): hovering plays nothing, starts nothing.
  QApplication::setActiveWindow(windows_->OpenForm.get());
  recorded_.sound.played.clear();
  f.GraphicButton1MouseEnter(f.GraphicButton1);
  EXPECT_TRUE(recorded_.sound.played.empty());
  EXPECT_FALSE(f.VideoTimer.isActive());

  // The shortcuts open what their file names, and nothing without the file.
  QTemporaryDir dir;
  const QString old = QDir::currentPath();
  QDir::setCurrent(dir.path());
  f.GraphicButton6->OnClick(f.GraphicButton6);
  QFile url(dir.filePath("moregames.url"));
  ASSERT_TRUE(url.open(QIODevice::WriteOnly));
  url.write("[InternetShortcut]\r\nURL=https://example.org/games\r\n");
  url.close();
  f.GraphicButton7->OnClick(f.GraphicButton7);
  QDir::setCurrent(old);
  ASSERT_EQ(recorded_.shell.opened.size(), 1);
  EXPECT_EQ(recorded_.shell.opened[0].toString(), "https://example.org/games");

  f.ExitClick();
  EXPECT_FALSE(f.isVisible());
}

}  // namespace
}  // namespace quillo
