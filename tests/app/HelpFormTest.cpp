// The help and about window over the picture area, driven offscreen: what it
// shows, where, what it hides meanwhile and what comes back after a press.
#include <gtest/gtest.h>
#include <QFile>
#include <QFontMetrics>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>
#include <string>

#include "app/QuilloApplication.h"
#include "app/QuilloWindows.h"
#include "io/core/Folders.h"
#include "media/TVideoPlayer.h"
#include "skin/TGraphicButton.h"
#include "skin/TNonRectPanel.h"
#include "skin/TPaintBox.h"
#include "support/TestFolder.h"
#include "support/WindowsTest.h"

namespace quillo {
namespace {

class HelpForm : public testing::WindowsTest {
 protected:
  explicit HelpForm(const std::set<std::string>& omit = {})
      : WindowsTest(StartIn::ProgramChoice, omit) {}
  THelpForm& Help() { return *windows_->HelpForm; }

  enum class Outcome { NotShown, Closed, LeftOpen };
  // Clicks Help (the title without a sender) as its binder does, through
  // RunHandler; while the window shows, `look` runs and should close it. A
  // window left open is hidden after two seconds.
  Outcome Click(QObject* sender, const std::function<void()>& look) {
    Outcome outcome = Outcome::NotShown;
    QTimer leftOpen;
    leftOpen.setSingleShot(true);
    QObject::connect(&leftOpen, &QTimer::timeout, [&] {
      outcome = Outcome::LeftOpen;
      Help().hide();
    });
    Help().OnShowModal = [&](ModalWindow*) {
      outcome = Outcome::Closed;
      look();
      leftOpen.start(2000);
    };
    RunHandler([&] { Form().HelpPanelClick(sender); });
    Help().OnShowModal = nullptr;
    return outcome;
  }
};

// A data folder without the text of the Blending screen's help.
class HelpFormWithoutAPage : public HelpForm {
 protected:
  HelpFormWithoutAPage() : HelpForm({"help4.txt"}) {}
};

TEST_F(HelpForm, ShowsTheScreensHelpOnTheArtOverThePictureAreaUntilAPress) {
  TJumpForm& form = Form();
  THelpForm& help = Help();
  form.BackgroundBitmap = testing::TestFace(640, 480);  // art whose pixels all differ
  QWidget& mirror = *windows_->WarpWindow;
  form.CurrentScreen = 2;  // Mirrors, as its button leaves it
  mirror.show();
  EXPECT_EQ(Outcome::Closed, Click(form.HelpPanel, [&] {
              EXPECT_EQ(help.Label1.caption, "Help page 2\n");
              EXPECT_FALSE(mirror.isVisible());
              EXPECT_FALSE(form.GraphicButton5->isVisible());
              EXPECT_TRUE(help.isModal());
              EXPECT_TRUE(help.isVisible());
              EXPECT_EQ(QWidget::mouseGrabber(), &help);
              ASSERT_TRUE(QApplication::overrideCursor());
              EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
              // 20 pixels into the picture area; the art beneath it shows through.
              EXPECT_EQ(help.geometry(),
                        QRect(form.pos() + QPoint(5 + 171 + 20, 5 + 65), QSize(260, 313)));
              const QImage shot = help.grab().toImage();
              for (const QPoint p : {QPoint(0, 0), QPoint(259, 312), QPoint(3, 200)})
                EXPECT_EQ(ColourBits(shot.pixel(p)),
                          ColourBits(form.BackgroundBitmap.At(196 + p.x(), 70 + p.y())));
              QTest::mousePress(&help, Qt::LeftButton);
            }));
  EXPECT_TRUE(mirror.isVisible());
  EXPECT_TRUE(form.GraphicButton5->isVisible());
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // A press beside the window reaches it too (the mouse is grabbed).
  form.CurrentScreen = 3;
  form.PaintBox->show();
  EXPECT_EQ(Outcome::Closed, Click(form.HelpPanel, [&] {
              EXPECT_EQ(help.Label1.caption, "Help page 3\n");
              EXPECT_FALSE(form.PaintBox->isVisible());
              EXPECT_TRUE(mirror.isVisible());  // only the screen's own picture goes
              QTest::mousePress(help.windowHandle(), Qt::RightButton, {}, QPoint(-40, 400));
            }));
  EXPECT_TRUE(form.PaintBox->isVisible());
  EXPECT_TRUE(Errors().isEmpty()) << Errors().join("\n").toStdString();
}

TEST_F(HelpForm, TheAboutTextStopsTheIntroVideoAndTheHomePictureComesBack) {
  QProcess ffmpeg;
  ffmpeg.start("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=64x64:rate=15",
                          "-frames:v", "15", "-c:v", "mjpeg", "-pix_fmt", "yuvj420p",
                          QString::fromStdString(data_.Path()) + "resource/video1.avi"});
  ASSERT_TRUE(ffmpeg.waitForFinished(20000));
  TJumpForm& form = Form();
  form.VideoTimerTag = 1;
  form.VideoTimerTimer();
  ASSERT_EQ(form.VideoPlayer->GetMode(), 2);
  ASSERT_FALSE(form.StartPaintBox->isVisible());
  form.VideoTimer.start();  // the pointer resting on a mode button again

  EXPECT_EQ(Outcome::Closed, Click(nullptr, [&] {
              EXPECT_EQ(Help().Label1.caption, "About Quillo\n");
              EXPECT_FALSE(form.VideoPlayer->isVisible());
              EXPECT_NE(form.VideoPlayer->GetMode(), 2);
              EXPECT_FALSE(form.VideoTimer.isActive());
              EXPECT_FALSE(form.StartPaintBox->isVisible());
              Help().close();
            }));
  QCoreApplication::processEvents();  // lets what the closing queued run
  EXPECT_TRUE(form.StartPaintBox->isVisible());
  EXPECT_FALSE(form.VideoPlayer->isVisible());
  EXPECT_NE(form.VideoPlayer->GetMode(), 2);
  EXPECT_FALSE(form.VideoTimer.isActive());
  EXPECT_TRUE(Errors().isEmpty()) << Errors().join("\n").toStdString();
}

TEST_F(HelpFormWithoutAPage, AMissingTextIsNamedInOneErrorBoxAndNothingShows) {
  TJumpForm& form = Form();
  form.CurrentScreen = 4;
  form.PaintBox->show();
  EXPECT_EQ(Outcome::NotShown, Click(form.HelpPanel, [] {}));
  ASSERT_EQ(Errors().size(), 1);
  EXPECT_TRUE(Errors()[0].contains("help4.txt")) << Errors()[0].toStdString();
  EXPECT_TRUE(form.PaintBox->isVisible());
  EXPECT_TRUE(form.GraphicButton5->isVisible());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(HelpForm, LoadTextEndsEveryLineAndReadsUtf8OrElseLatin1) {
  THelpForm& help = Help();
  const QTemporaryDir dir;
  const std::string path = dir.filePath("text.txt").toStdString();
  auto load = [&](const QByteArray& bytes) {
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    help.LoadText(path);
    return help.Label1.caption;
  };
  EXPECT_EQ(load("Caf\xc3\xa9\r\nna\xc3\xafve\rend"), QString::fromUtf8("Café\nnaïve\nend\n"));
  EXPECT_EQ(load("Caf\xe9\n\nna\xefve\n"), QString::fromUtf8("Café\n\nnaïve\n"));
  EXPECT_EQ(load(""), "");

  // Too large or missing: an error naming the file, the text kept.
  EXPECT_THROW(load(QByteArray(70 * 1024, 'a')), Error);
  EXPECT_EQ(help.Label1.caption, "");
  help.Label1.caption = "kept";
  try {
    help.LoadText(path + ".missing");
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("text.txt.missing"), std::string::npos) << e.what();
  }
  EXPECT_EQ(help.Label1.caption, "kept");
}

TEST_F(HelpForm, TheTextsOfTheDataFolderFitTheWindow) {
  THelpForm& help = Help();
  const QFontMetrics metrics(help.Label1.font);
  for (const char* name :
       {"about.txt", "help0.txt", "help1.txt", "help2.txt", "help3.txt", "help4.txt"}) {
    help.LoadText(QUILLO_BUILD_DIR "/Resource/" + std::string(name));
    const QString& text = help.Label1.caption;
    EXPECT_GT(text.split(' ').size(), 40) << name;
    const QRect laidOut = metrics.boundingRect(QRect(0, 0, 260, 10000), Qt::TextWordWrap, text);
    EXPECT_LE(laidOut.height(), 313) << name;
    EXPECT_LE(laidOut.width(), 260) << name;
  }
}

}  // namespace
}  // namespace quillo
