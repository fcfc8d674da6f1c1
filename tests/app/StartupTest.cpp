// Start-up as the user sees it: the windows, the data folder, the first show
// and the end of the run, driven offscreen with null services.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "app/QuilloApplication.h"
#include "app/QuilloWindows.h"
#include "effects/core/WarpModel.h"
#include "io/core/Folders.h"
#include "media/TVideoPlayer.h"
#include "skin/BitmapImage.h"
#include "skin/QtRect.h"
#include "skin/TGraphicButton.h"
#include "skin/TGraphicSlider.h"
#include "skin/TPaintBox.h"
#include "skin/core/WindowPlaces.h"
#include "support/ManualClock.h"
#include "support/RunningWindows.h"
#include "support/TestFolder.h"
#include "tools/ArtSupport.h"

namespace quillo {
namespace {

// Runs the program's start-up with a data folder and a current directory.
class Startup : public ::testing::Test {
 protected:
  void Start(const testing::DataFolder& data) {
    running_.reset();  // the windows of an earlier start go first
    running_ = std::make_unique<testing::RunningWindows>(data);
    recorded_ = &running_->recorded;
    windows_ = running_->windows.get();
  }
  void TearDown() override { running_.reset(); }
  QStringList Errors() const { return recorded_->messages.errors; }

  std::unique_ptr<testing::RunningWindows> running_;
  testing::RecordingServices* recorded_ = nullptr;
  QuilloWindows* windows_ = nullptr;
};

TEST_F(Startup, ShowsTheArtAndTheDefaultFaceInTheBarrelShapedMirror) {
  const testing::DataFolder data;
  Start(data);
  ASSERT_TRUE(Errors().isEmpty()) << Errors().join("\n").toStdString();

  TJumpForm& form = *windows_->JumpForm;
  EXPECT_EQ(form.size(), QSize(640, 480));
  EXPECT_EQ(form.BackgroundBitmap.Width(), 640);
  EXPECT_EQ(form.Resource.Picture().Width(), 698);  // found as "resource/Resource.BMP"
  EXPECT_EQ(form.StartPicture.Width(), 358);
  EXPECT_EQ(windows_->BlendForm->Blend.LeftFace().Width(), 290);
  const auto& played = recorded_->sound.played;
  ASSERT_EQ(played.size(), 1u);
  EXPECT_TRUE(QString::fromStdString(played[0]).endsWith("/start.wav"));

  TWarpWindow& mirror = *windows_->WarpWindow;
  EXPECT_EQ(mirror.parentWidget(), form.Client());
  EXPECT_EQ(mirror.geometry(), ToQRect(kMirrorWindow));
  EXPECT_FALSE(mirror.isVisible());  // the home screen shows its picture
  mirror.show();                     // as the Warping screen does
  WarpModel expected;
  expected.SetFacePicture(data.DefaultFace());
  EXPECT_EQ(mirror.Model().FaceBitmap(), expected.FaceBitmap());
  EXPECT_EQ(form.RightSlider->Value(), 10);
  EXPECT_EQ(form.LeftSlider->Value(), 5);

  // Through the main window's eyes: the view inside the ellipse, what lies
  // beneath outside it (the home picture there, the art beyond it).
  const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QPoint origin(5 + 155, 5 + 58);
  auto shown = [&](int x, int y) { return ColourBits(shot.pixel(origin + QPoint(x, y))); };
  EXPECT_EQ(shown(160, 150), ColourBits(expected.FaceBitmap().At(160, 150)));
  EXPECT_EQ(shown(160, 0), ColourBits(expected.FaceBitmap().At(160, 0)));
  EXPECT_EQ(shown(0, 0), MakePixel(255, 200, 0));  // the barrel's corner: the home picture
  EXPECT_EQ(ColourBits(shot.pixel(5 + 300, 5 + 45)), MakePixel(0, 64, 128));  // the art
  EXPECT_EQ(shown(0, 153),
            ColourBits(expected.FaceBitmap().At(0, 153)));  // full width at mid-height
  EXPECT_EQ(ColourBits(shot.pixel(2, 2)) == MakePixel(0, 64, 128), false);  // the frame
}

TEST_F(Startup, TheModeAndExitButtonsShowOnlyTheArtUntilHovered) {
  const testing::DataFolder data;
  Start(data);
  TJumpForm& form = *windows_->JumpForm;
  for (TGraphicButton* button : {form.GraphicButton1, form.GraphicButton2, form.GraphicButton3,
                                 form.GraphicButton4, form.GraphicButton5}) {
    EXPECT_EQ(button->Transparency(), 100) << button->objectName().toStdString();
    const Bitmap shown = button->Compose();
    // The exit button reaches below the client area and has "Exit" written
    // on it from y 20; only the inside above the caption counts.
    const int bottom = button == form.GraphicButton5 ? 20 : 470 - button->y();
    const Rect inside = RectOfSize(0, 0, shown.Width(), std::min(shown.Height(), bottom));
    EXPECT_EQ(testing::CountColour(shown, inside, MakePixel(0, 64, 128)),
              inside.Width() * inside.Height())
        << button->objectName().toStdString();
  }
}

TEST_F(Startup, RandomCuesNeverRepeatAndTheMusicWaitsForItsTimer) {
  const testing::DataFolder data;
  Start(data);
  TJumpForm& form = *windows_->JumpForm;
  EXPECT_TRUE(form.MidiTimer.isActive());
  EXPECT_EQ(form.MidiTimer.interval(), 3000);
  EXPECT_TRUE(recorded_->sound.music.empty());
  form.MidiTimerTimer();
  ASSERT_EQ(recorded_->sound.music.size(), 1u);
  EXPECT_TRUE(QString::fromStdString(recorded_->sound.music[0]).endsWith("/start.mid"));
  EXPECT_FALSE(form.MidiTimer.isActive());

  // The press cue sounds for the Warping button (Tag 1) only.
  recorded_->sound.played.clear();
  QTest::mousePress(form.bnClose, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  QTest::mouseRelease(form.bnClose, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  EXPECT_TRUE(recorded_->sound.played.empty());
  QTest::mousePress(form.GraphicButton1, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  ASSERT_EQ(recorded_->sound.played.size(), 1u);
  EXPECT_TRUE(QString::fromStdString(recorded_->sound.played[0]).endsWith("/click1.wav"));

  recorded_->sound.played.clear();
  for (int i = 0; i < 30; ++i) form.PlayCue("random");
  const auto& played = recorded_->sound.played;
  ASSERT_EQ(played.size(), 30u);
  for (std::size_t i = 0; i < played.size(); ++i) {
    EXPECT_TRUE(
        QString::fromStdString(played[i]).contains(QRegularExpression("/random[1-9]\\.wav$")))
        << played[i];
    if (i > 0) {
      EXPECT_NE(played[i], played[i - 1]);
    }
  }
}

TEST_F(Startup, AModeButtonRestedOnFor1500msPlaysItsIntroVideoInThePictureArea) {
  const testing::DataFolder data;
  const QString video = QString::fromStdString(data.Path()) + "resource/VIDEO3.avi";
  QProcess ffmpeg;
  ffmpeg.start("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=64x64:rate=15",
                          "-frames:v", "15", "-c:v", "mjpeg", "-pix_fmt", "yuvj420p", video});
  ASSERT_TRUE(ffmpeg.waitForFinished(20000));
  Start(data);
  TJumpForm& form = *windows_->JumpForm;
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(form.isActiveWindow());

  // Resting starts the 1500 ms timer; leaving before it fires stops it: no video.
  form.GraphicButton1MouseEnter(form.GraphicButton3);
  EXPECT_TRUE(form.VideoTimer.isActive());
  EXPECT_EQ(form.VideoTimer.interval(), 1500);
  form.GraphicButton1MouseLeave(form.GraphicButton3);
  EXPECT_FALSE(form.VideoTimer.isActive());
  EXPECT_FALSE(form.VideoPlayer->isVisible());
  EXPECT_EQ(form.VideoPlayer->GetMode(), 0);

  // Resting until the timer fires: the Mirrors video (Tag 3) plays over the
  // home picture, and goes on looping after the pointer leaves.
  testing::ManualClock clock;
  form.VideoPlayer->SetClock(clock.Function());
  form.GraphicButton1MouseEnter(form.GraphicButton3);
  ASSERT_TRUE(form.VideoTimer.isActive());
  form.VideoTimerTimer();
  EXPECT_FALSE(form.VideoTimer.isActive());
  EXPECT_TRUE(form.VideoPlayer->isVisible());
  EXPECT_FALSE(form.StartPaintBox->isVisible());
  EXPECT_EQ(form.VideoPlayer->geometry(), ToQRect(kPictureArea));
  EXPECT_EQ(form.VideoPlayer->GetMode(), 2);
  form.GraphicButton1MouseLeave(form.GraphicButton3);
  clock.Advance(1200);  // past the end of the one-second video
  form.VideoPlayer->Tick();
  QCoreApplication::processEvents();  // the end's queued notice starts the video again
  EXPECT_EQ(form.VideoPlayer->GetMode(), 2);
  EXPECT_LT(form.VideoPlayer->GetPosition(), form.VideoPlayer->GetLength());

  form.StopIntroVideo();
  EXPECT_FALSE(form.VideoPlayer->isVisible());
  EXPECT_EQ(form.VideoPlayer->GetMode(), 1);

  // A button whose video is missing brings back the home picture, silently.
  form.VideoTimerTimer();
  EXPECT_TRUE(form.VideoPlayer->isVisible());
  form.VideoTimerTag = 2;
  form.VideoTimerTimer();
  EXPECT_FALSE(form.VideoPlayer->isVisible());
  EXPECT_TRUE(form.StartPaintBox->isVisible());
  EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(Startup, PaintingRendersOnlyTheInvalidPartWithTheSlidersOfTheMainWindow) {
  const testing::DataFolder data;
  Start(data);
  TWarpWindow& mirror = *windows_->WarpWindow;
  WarpModel& model = mirror.Model();
  mirror.show();
  mirror.repaint();
  // Rows below the window are never painted, so never rendered.
  EXPECT_EQ(model.ViewBitmap().At(100, 310), 0u);

  // Strength 1.0, read at paint time (set in Warping mode, where it repaints nothing).
  windows_->JumpForm->LeftSlider->SetValue(10);
  model.SetMode(Radial);
  model.SetCenter(160, 160);
  mirror.repaint(QRect(150, 150, 20, 20));
  WarpModel expected = model;
  expected.RenderDistorted({0, 0, 320, 320}, 0.0, 1.0, 0, 0);
  EXPECT_EQ(model.ViewBitmap().At(155, 155), expected.ViewBitmap().At(155, 155));
  EXPECT_EQ(model.ViewBitmap().At(169, 169), expected.ViewBitmap().At(169, 169));
  EXPECT_EQ(model.ViewBitmap().At(140, 140), model.FaceBitmap().At(140, 140));  // not repainted
}

TEST_F(Startup, RenderForSaveScalesTheDistortionByThePercentage) {
  const testing::DataFolder data;
  Start(data);
  TWarpWindow& mirror = *windows_->WarpWindow;
  WarpModel& model = mirror.Model();
  model.SetMode(Horizontal);
  model.SetCenter(160, 160);
  model.SetSmooth(false);
  windows_->JumpForm->LeftSlider->SetValue(8);
  mirror.RenderForSave(0);
  EXPECT_EQ(model.ViewBitmap(), model.FaceBitmap());  // the undistorted face, all four bytes
  EXPECT_TRUE(model.Smooth());
  mirror.RenderForSave(50);
  WarpModel half = model;
  half.RenderDistorted({0, 0, 320, 320}, 0.0, 0.5 * 8 * 0.1, 0, 0);
  EXPECT_EQ(model.ViewBitmap(), half.ViewBitmap());
  mirror.RenderForSave(100);
  WarpModel full = model;
  full.RenderDistorted({0, 0, 320, 320}, UseSliderValue, UseSliderValue, 8, 10);
  EXPECT_EQ(model.ViewBitmap(), full.ViewBitmap());
}

TEST_F(Startup, AMissingRequiredFileIsReportedAndTheProgramGoesOn) {
  const testing::DataFolder data({"main.bmp"});
  Start(data);
  ASSERT_EQ(Errors().size(), 1);
  EXPECT_TRUE(Errors()[0].contains("main.bmp")) << Errors()[0].toStdString();
  // The rest of the show handler was skipped: no face, no start sound.
  EXPECT_EQ(windows_->WarpWindow->Model().FaceBitmap(), Bitmap(320, 320, kWhite));
  EXPECT_TRUE(recorded_->sound.played.empty());
  EXPECT_TRUE(windows_->JumpForm->isVisible());
  windows_->JumpForm->repaint();  // still paints, without its art
  QCoreApplication::processEvents();
}

TEST_F(Startup, DamagedArtIsReportedByName) {
  testing::DataFolder data({"Quillo.bmp"});
  QFile bad(QString::fromStdString(data.Path()) + "resource/quillo.bmp");
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("BM this is not a picture");
  bad.close();
  Start(data);
  ASSERT_EQ(Errors().size(), 1);
  EXPECT_TRUE(Errors()[0].startsWith("Bitmap image is not valid")) << Errors()[0].toStdString();
  EXPECT_TRUE(Errors()[0].contains("quillo.bmp"));
}

TEST_F(Startup, FoldersComeFromTheProgramAndTheCurrentDirectoryAndPlayUrlOpensAtExit) {
  const testing::DataFolder data;
  QTemporaryDir elsewhere;
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
  Start(data);
  EXPECT_EQ(StartFolder, QDir::currentPath().toStdString() + "/");
  EXPECT_EQ(ProgramFolder, data.Path());
  EXPECT_TRUE(Errors().isEmpty());

  // Without play.url nothing is opened at exit.
  auto& shell = recorded_->shell;
  running_->windows.reset();
  EXPECT_TRUE(shell.opened.isEmpty());

  QFile url("play.url");
  ASSERT_TRUE(url.open(QIODevice::WriteOnly));
  url.write("[InternetShortcut]\r\nURL=https://example.org/play\r\n");
  url.close();
  Start(data);
  auto& shell2 = recorded_->shell;
  running_->windows.reset();
  ASSERT_EQ(shell2.opened.size(), 1);
  EXPECT_EQ(shell2.opened[0], QUrl("https://example.org/play"));

  // A shortcut to anything but a web address is ignored.
  for (const char* address : {"file:///bin/sh", "/usr/bin/xterm", "javascript:alert(1)"}) {
    ASSERT_TRUE(url.open(QIODevice::WriteOnly | QIODevice::Truncate));
    url.write(QByteArray("[InternetShortcut]\nURL=") + address + "\n");
    url.close();
    Start(data);
    auto& shell3 = recorded_->shell;
    running_->windows.reset();
    EXPECT_TRUE(shell3.opened.isEmpty()) << address;
  }
  QDir::setCurrent(previous);
}

TEST_F(Startup, OnlyTheMainWindowAndItsMirrorAreShownAndTheSkinnedDialogsAreFrameless) {
  const testing::DataFolder data;
  Start(data);
  const QuilloWindows& w = *windows_;
  EXPECT_TRUE(w.JumpForm->isWindow());
  EXPECT_TRUE(w.JumpForm->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(w.WarpWindow->window(), w.JumpForm.get());
  const QWidget* dialogs[] = {w.OpenForm.get(), w.HelpForm.get(),      w.CaptureBitmapDialog.get(),
                              w.SaveForm.get(), w.OpenMorphForm.get(), w.ServerForm.get()};
  const char* names[] = {"OpenForm", "HelpForm",      "CaptureBitmapDialog",
                         "SaveForm", "OpenMorphForm", "ServerForm"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(dialogs[i]->objectName(), names[i]);
    EXPECT_FALSE(dialogs[i]->isVisible()) << names[i];
    // The camera and mail settings dialogs are plain ones with their captions.
    const bool framed =
        dialogs[i] == w.CaptureBitmapDialog.get() || dialogs[i] == w.ServerForm.get();
    EXPECT_EQ(bool(dialogs[i]->windowFlags() & Qt::FramelessWindowHint), !framed) << names[i];
  }
  EXPECT_EQ(w.CaptureBitmapDialog->windowTitle(), "Capture Image");
  // The morph and blend controllers are never shown.
  EXPECT_FALSE(w.MorphForm->isVisible());
  EXPECT_FALSE(w.BlendForm->isVisible());
  EXPECT_EQ(QApplication::applicationDisplayName(), "Quillo");
}

}  // namespace
}  // namespace quillo
