// The save dialog over the main window, driven offscreen with scripted file,
// printer and codec choosers: where each action puts the picture, what a
// cancel leaves, and the video the effect makes.
#include <gtest/gtest.h>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "app/QuilloWindows.h"
#include "base/FileBytes.h"
#include "io/core/BitmapFile.h"
#include "io/core/Folders.h"
#include "io/core/VideoFrames.h"
#include "media/VideoDecoder.h"
#include "skin/TGraphicButton.h"
#include "support/ShowModalWhile.h"
#include "support/TestFolder.h"
#include "support/ToolOutput.h"
#include "support/WindowsTest.h"

namespace quillo {
namespace {

using testing::ToolOutput;

class SaveDialog : public testing::WindowsTest {
 protected:
  SaveDialog() : WindowsTest(StartIn::Files) {}
  TSaveForm& Save() { return *windows_->SaveForm; }

  // Shows the dialog over `picture` and runs `act` while it is up; `act` ends
  // it. One left open is ended after five seconds, as a failure.
  int ShowSave(const std::function<void(TSaveForm&)>& act) {
    Save().SaveBitmap = &picture_;
    return testing::ShowModalWhile(Save(), act);
  }
  static void Click(TGraphicButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  Bitmap picture_ = testing::TestFace(60, 40);
};

TEST_F(SaveDialog, SitsOverThePictureAreaWithItsButtonsAndHidesTheExitButton) {
  bool exitShown = true;
  QPoint offset;
  ShowSave([&](TSaveForm& f) {
    exitShown = Form().GraphicButton5->isVisible();
    offset = f.pos() - Form().pos();
    EXPECT_EQ(f.size(), QSize(271, 290));
    EXPECT_FALSE(f.bMail->isVisible());
    EXPECT_EQ(f.bAVI->geometry(), QRect(13, 63, 98, 66));
    EXPECT_EQ(f.bPrint->toolTip(), "Print");
    EXPECT_EQ(f.bAVI->Transparency(), 50);  // no way to render frames
    Click(f.bAVI);                          // does nothing
    EXPECT_TRUE(f.InModal());
    Click(f.bCancel);
  });
  EXPECT_FALSE(exitShown);
  EXPECT_TRUE(Form().GraphicButton5->isVisible());
  EXPECT_EQ(offset, QPoint(5 + 171 + 10, 5 + 65));
  EXPECT_TRUE(recorded_.files.calls.empty());
  ASSERT_FALSE(recorded_.sound.played.empty());
  EXPECT_TRUE(QString::fromStdString(recorded_.sound.played.back()).endsWith("/cancel.wav"));
}

TEST_F(SaveDialog, TheFileActionWritesA24BitBitmapWhateverTheNameSays) {
  const std::string path = InFiles("face.jpg");
  recorded_.files.answers = {std::nullopt, path};
  const int result = ShowSave([](TSaveForm& f) {
    Click(f.bFile);
    EXPECT_TRUE(f.InModal());  // the chooser was cancelled
    Click(f.bFile);
  });
  EXPECT_EQ(result, kModalOk);
  const BmpPicture written = LoadBmpPicture(path);
  EXPECT_EQ(written.bitsPerPixel, 24);
  for (int y = 0; y < 40; y += 13)
    for (int x = 0; x < 60; x += 17)
      EXPECT_EQ(written.bitmap.At(x, y) & 0xFFFFFF, picture_.At(x, y) & 0xFFFFFF);
  ASSERT_EQ(recorded_.files.calls.size(), 2u);
  const auto& call = recorded_.files.calls[1];
  EXPECT_EQ(call.folder, StartFolder);
  EXPECT_EQ(call.filter, "*.bmp (*.bmp);;PNG picture (*.png);;JPEG picture (*.jpg *.jpeg)");
  EXPECT_EQ(call.title, "Save To File...");
}

TEST_F(SaveDialog, ThePngAndJpegFiltersWriteThoseFormats) {
  recorded_.files.saveFilter = 1;
  recorded_.files.answers = {InFiles("face.png")};
  ShowSave([](TSaveForm& f) { Click(f.bFile); });
  const QImage png(QString::fromStdString(InFiles("face.png")), "png");
  ASSERT_FALSE(png.isNull());
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x)
      ASSERT_EQ(png.pixel(x, y) & 0xFFFFFF, picture_.At(x, y) & 0xFFFFFF) << x << "," << y;

  recorded_.files.saveFilter = 2;
  recorded_.files.answers = {InFiles("face.jpg")};
  ShowSave([](TSaveForm& f) { Click(f.bFile); });
  const QImage jpeg(QString::fromStdString(InFiles("face.jpg")), "jpeg");
  ASSERT_EQ(jpeg.size(), QSize(60, 40));
  EXPECT_NEAR(qRed(jpeg.pixel(30, 20)), Red(picture_.At(30, 20)), 24);
}

TEST_F(SaveDialog, AScreensOwnWriterAndExtensionLastOnlyUntilTheDialogHides) {
  std::string writtenTo;
  recorded_.files.answers = {InFiles("a.mph"), InFiles("b.bmp")};
  Save().FileExt = "mph";
  Save().OnWriteFile = [&](const std::string& path) { writtenTo = path; };
  ShowSave([](TSaveForm& f) { Click(f.bFile); });
  EXPECT_EQ(writtenTo, InFiles("a.mph"));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(InFiles("a.mph"))));
  EXPECT_EQ(Save().FileExt, "bmp");
  EXPECT_FALSE(Save().OnWriteFile);
  ShowSave([](TSaveForm& f) { Click(f.bFile); });
  EXPECT_EQ(recorded_.files.calls[0].filter, "*.mph (*.mph)");
  EXPECT_EQ(recorded_.files.calls[1].filter,
            "*.bmp (*.bmp);;PNG picture (*.png);;JPEG picture (*.jpg *.jpeg)");
  EXPECT_EQ(writtenTo, InFiles("a.mph"));
  EXPECT_TRUE(QFile::exists(QString::fromStdString(InFiles("b.bmp"))));
}

TEST_F(SaveDialog, TheClipboardTakesThePictureAndPrintingRendersIt) {
  ShowSave([](TSaveForm& f) { Click(f.bClipboard); });
  EXPECT_EQ(recorded_.clipboard.copies, 1);
  EXPECT_EQ(recorded_.clipboard.picture, picture_);

  // A flat picture, so that the printed colour can be read back exactly.
  picture_ = Bitmap(96, 48, MakePixel(200, 40, 60));
  const std::string pdf = InFiles("print.pdf");
  recorded_.printers.answers = {std::nullopt, pdf};
  const int result = ShowSave([](TSaveForm& f) {
    Click(f.bPrint);
    EXPECT_TRUE(f.InModal());  // the print dialog was cancelled
    Click(f.bPrint);
  });
  EXPECT_EQ(result, kModalOk);
  EXPECT_EQ(recorded_.printers.calls, 2);
  // One inch by half an inch at the printable area's top-left: at 72 dpi a
  // 72 x 36 patch of the picture's colour somewhere near the page's corner.
  ToolOutput("pdftoppm", {"-r", "72", "-png", "-singlefile", QString::fromStdString(pdf),
                          files_.filePath("page")});
  const QImage page(files_.filePath("page.png"));
  ASSERT_FALSE(page.isNull());
  int painted = 0;
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 150; ++x) {
      const QColor c(page.pixel(x, y));  // within the image's compression
      if (std::abs(c.red() - 200) + std::abs(c.green() - 40) + std::abs(c.blue() - 60) < 12)
        ++painted;
    }
  EXPECT_NEAR(painted, 72 * 36, 2 * (72 + 36));
}

TEST_F(SaveDialog, TheVideoPlaysTheEffectUpAndDownAndOpensInThePlayer) {
  std::vector<int> tags;
  Save().OnRenderFrame = [&] {
    tags.push_back(Save().Tag);
    picture_.FillRect({0, 0, 60, 40}, MakePixel(Save().Tag * 2, 100, 255 - Save().Tag * 2));
  };
  const std::string path = InFiles("effect.avi");
  recorded_.files.answers = {path};
  const int result = ShowSave([](TSaveForm& f) {
    EXPECT_EQ(f.bAVI->Transparency(), 0);
    Click(f.bAVI);
  });
  EXPECT_EQ(result, kModalOk);
  ASSERT_EQ(tags.size(), 52u);
  for (int i = 0; i < 26; ++i) {
    EXPECT_EQ(tags[i], 4 * i);
    EXPECT_EQ(tags[51 - i], 4 * i);
  }
  EXPECT_EQ(recorded_.codecs.sizes, (std::vector<std::pair<int, int>>{{60, 40}}));
  const QString probe =
      ToolOutput("ffprobe", {"-v", "error", "-count_frames", "-select_streams", "v:0",
                             "-show_entries", "stream=width,height,r_frame_rate,nb_read_frames",
                             "-of", "csv=p=0", QString::fromStdString(path)})
          .trimmed();
  EXPECT_EQ(probe, "60,40,15/1,52");
  VideoDecoder decoder(path);
  for (const int frame : {0, 25, 51}) {
    const Pixel expected = MakePixel(tags[frame] * 2, 100, 255 - tags[frame] * 2);
    const Pixel got = decoder.Frame(frame).At(30, 20);
    for (int shift : {0, 8, 16})
      EXPECT_NEAR(int(got >> shift & 0xFF), int(expected >> shift & 0xFF), 6) << frame;
  }
  ASSERT_EQ(recorded_.shell.opened.size(), 1);
  EXPECT_EQ(recorded_.shell.opened[0].toLocalFile().toStdString(), path);
}

TEST_F(SaveDialog, ACancelledCodecOrAProtectedFileLeavesTheDiskAsItWas) {
  Save().OnRenderFrame = [] {};
  const std::string path = InFiles("old.avi");
  WriteFileAtomically(path, std::vector<std::uint8_t>{'o', 'l', 'd'});
  recorded_.codecs.answer = std::nullopt;
  recorded_.files.answers = {path};
  EXPECT_EQ(ShowSave([](TSaveForm& f) { Click(f.bAVI); }), kModalOk);
  EXPECT_EQ(ReadFileBytes(path).size(), 3u);

  recorded_.codecs.answer = VideoCodec{};
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  recorded_.files.answers = {path};
  Save().OnRenderFrame = [] {};
  EXPECT_EQ(ShowSave([](TSaveForm& f) { Click(f.bAVI); }), kModalOk);
  EXPECT_EQ(ReadFileBytes(path).size(), 3u);
  // The protected file is named in a message box, not passed over in silence.
  EXPECT_EQ(recorded_.messages.errors,
            QStringList{QString::fromStdString("Cannot replace the write-protected file " + path)});
  EXPECT_TRUE(recorded_.shell.opened.isEmpty());
  EXPECT_EQ(QDir(files_.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(SaveDialog, APhotosOwnSizeIsOfferedBesideTheViewWhenTheScreenHasOne) {
  const Bitmap big = testing::TestFace(200, 120);
  Save().OnRenderFullSize = [&big] { return big; };
  Save().FullSize = {200, 120};
  recorded_.files.saveFilter = 4;  // PNG at the photo's size
  recorded_.files.answers = {InFiles("big.png")};
  ShowSave([](TSaveForm& f) { Click(f.bFile); });
  EXPECT_EQ(recorded_.files.calls.back().filter,
            "*.bmp (*.bmp);;PNG picture (*.png);;JPEG picture (*.jpg *.jpeg);;"
            "BMP picture at the photo's size, 200 x 120 (*.bmp);;"
            "PNG picture at the photo's size, 200 x 120 (*.png);;"
            "JPEG picture at the photo's size, 200 x 120 (*.jpg *.jpeg)");
  EXPECT_EQ(QImage(QString::fromStdString(InFiles("big.png"))).size(), QSize(200, 120));
  EXPECT_FALSE(Save().OnRenderFullSize) << "the offer outlived the dialog";
}

TEST_F(SaveDialog, AVideoThatCannotBeWrittenIsToldWithTheFileAndTheReason) {
  Save().OnRenderFrame = [] {};
  const std::string path = InFiles("gone/clip.avi");
  recorded_.files.answers = {path};
  EXPECT_EQ(ShowSave([](TSaveForm& f) { Click(f.bAVI); }), kModalOk);
  EXPECT_EQ(recorded_.messages.errors,
            QStringList{QString::fromStdString("Cannot create file " + path +
                                               ": the folder does not exist.")});
  EXPECT_TRUE(recorded_.shell.opened.isEmpty());
}

TEST_F(SaveDialog, TheVideoFiltersMakeAGifWithoutAskingForACodecAndAnMp4WithItsOwn) {
  const auto render = [this] {
    picture_.FillRect({0, 0, 60, 40}, MakePixel(Save().Tag * 2, 100, 255 - Save().Tag * 2));
  };
  Save().OnRenderFrame = render;
  recorded_.files.saveFilter = 3;  // Animated GIF, the name typed without its extension
  recorded_.files.answers = {InFiles("clip")};
  ShowSave([](TSaveForm& f) { Click(f.bAVI); });
  EXPECT_TRUE(recorded_.codecs.containers.empty());
  EXPECT_TRUE(recorded_.messages.errors.isEmpty())
      << recorded_.messages.errors.join("").toStdString();
  EXPECT_EQ(ToolOutput("ffprobe", {"-v", "error", "-count_frames", "-show_entries",
                                   "stream=codec_name,nb_read_frames", "-of", "csv=p=0",
                                   QString::fromStdString(InFiles("clip.gif"))})
                .trimmed(),
            "gif,52");

  Save().OnRenderFrame = render;
  recorded_.files.saveFilter = 0;  // the extension decides
  recorded_.files.answers = {InFiles("clip.mp4")};
  ShowSave([](TSaveForm& f) { Click(f.bAVI); });
  EXPECT_EQ(recorded_.codecs.containers, std::vector{VideoContainer::kMp4});
  EXPECT_EQ(ToolOutput("ffprobe", {"-v", "error", "-count_frames", "-show_entries",
                                   "stream=codec_name,pix_fmt,nb_read_frames", "-of", "csv=p=0",
                                   QString::fromStdString(InFiles("clip.mp4"))})
                .trimmed(),
            "h264,yuv420p,52");
}

TEST_F(SaveDialog, ACodecThatCannotTakeTheFramesIsRefusedWithItsMessage) {
  Save().OnRenderFrame = [] {};
  recorded_.codecs.answer = VideoCodec{"no-such-encoder", 0};
  recorded_.files.answers = {InFiles("x.avi")};
  EXPECT_EQ(ShowSave([](TSaveForm& f) { Click(f.bAVI); }), kModalOk);
  EXPECT_EQ(recorded_.messages.errors, QStringList{"Cannot write an AVI-file in that format"});
  EXPECT_FALSE(QFile::exists(QString::fromStdString(InFiles("x.avi"))));
}

TEST(VideoFrames, AFailedWriteOnTheWayUpTurnsBackAtTheTopAndOneOnTheWayDownEnds) {
  std::vector<int> seen;
  bool failedOnce = false;
  const int written = RunVideoFrames([&](int p) {
    seen.push_back(p);
    if (p != 40 || failedOnce) return true;
    failedOnce = true;
    return false;
  });
  // 0..36 written, 40 failed; then 100 down to 0, all written.
  EXPECT_EQ(written, 10 + 26);
  EXPECT_EQ(seen[10], 40);
  EXPECT_EQ(seen[11], 100);
  seen.clear();
  EXPECT_EQ(RunVideoFrames([&](int p) {
              seen.push_back(p);
              return seen.size() < 30;
            }),
            29);
  EXPECT_EQ(seen.size(), 30u);
}

}  // namespace
}  // namespace quillo
