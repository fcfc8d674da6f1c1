// The picture and morph source dialogs over the main window, driven offscreen
// with a scripted file chooser: where a face comes from, what stays when it
// does not come, where the dialogs sit; and the face reaching the mirror
// window from the Load tab and from a drop.
#include <gtest/gtest.h>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "app/QuilloApplication.h"
#include "app/QuilloWindows.h"
#include "effects/core/MorphFile.h"
#include "io/PictureFile.h"
#include "io/core/Folders.h"
#include "io/core/PictureFormats.h"
#include "skin/BitmapImage.h"
#include "skin/TGraphicButton.h"
#include "skin/TNonRectPanel.h"
#include "support/ShowModalWhile.h"
#include "support/TestFolder.h"
#include "support/WindowsTest.h"

namespace quillo {
namespace {

class SourceDialogs : public testing::WindowsTest {
 protected:
  SourceDialogs() : WindowsTest(StartIn::Files) {}
  void SetUp() override { recorded_.sound.played.clear(); }
  TOpenForm& Open() { return *windows_->OpenForm; }
  std::vector<std::optional<std::string>>& Answers() { return recorded_.files.answers; }

  // A picture file in the start folder.
  std::string WritePicture(const QString& name, const Bitmap& picture) {
    const QString path = files_.filePath(name);
    EXPECT_TRUE(ToImage(picture).save(path));
    return path.toStdString();
  }
  std::string WriteBytes(const QString& name, const QByteArray& bytes) {
    QFile file(files_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName().toStdString();
  }
  // Shows the source dialog and runs `act` while it is up; `act` ends it. One
  // left open is ended with Cancel after two seconds, as a failure.
  int ShowOpen(const std::function<void(TOpenForm&)>& act) {
    return testing::ShowModalWhile(Open(), act, 2000);
  }
  static void Click(TGraphicButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  // Drags the file over the widget and drops it there; false when refused.
  static bool Drop(QWidget& target, const std::string& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &dropped);
    return true;
  }
  QString LastCue() const {
    const auto& played = recorded_.sound.played;
    return played.empty() ? QString() : QString::fromStdString(played.back());
  }
};

TEST_F(SourceDialogs, AChosenFileEndsWithOkAndItsPicture) {
  const Bitmap face = testing::TestFace(40, 30);
  Answers() = {WritePicture("face.png", face)};
  EXPECT_EQ(ShowOpen([](TOpenForm& f) { Click(f.bFile); }), kModalOk);
  EXPECT_EQ(Open().ResultPicture.Width(), 40);
  EXPECT_EQ(Open().ResultPicture.At(39, 29), face.At(39, 29));
  ASSERT_EQ(recorded_.files.calls.size(), 1u);
  EXPECT_EQ(recorded_.files.calls[0].folder, StartFolder);
  EXPECT_EQ(recorded_.files.calls[0].filter, PictureFileFilter());
}

TEST_F(SourceDialogs, ACancelledChooserOrADamagedFileLeavesTheDialogOpenAndThePictureAlone) {
  const Bitmap earlier(8, 8, MakePixel(1, 2, 3));
  Open().ResultPicture = earlier;
  Answers() = {std::nullopt, WriteBytes("damaged.png", "\x89PNG\r\n\x1a\n broken")};
  const int result = ShowOpen([&](TOpenForm& f) {
    Click(f.bFile);
    EXPECT_TRUE(f.InModal());
    EXPECT_TRUE(recorded_.messages.errors.isEmpty());
    Click(f.bFile);
    EXPECT_TRUE(f.InModal());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(recorded_.messages.errors.size(), 1);
    Click(f.bCancel);
  });
  EXPECT_EQ(result, kModalCancel);
  EXPECT_TRUE(LastCue().endsWith("/cancel.wav")) << LastCue().toStdString();
  EXPECT_EQ(Open().ResultPicture, earlier);
}

TEST_F(SourceDialogs, TheClipartButtonStartsInTheClipartFolder) {
  ShowOpen([](TOpenForm& f) {
    Click(f.bClipart);
    Click(f.bCancel);
  });
  ASSERT_EQ(recorded_.files.calls.size(), 1u);
  EXPECT_EQ(recorded_.files.calls[0].folder, ProgramFolder + "Clipart/");
}

TEST_F(SourceDialogs, TheClipboardButtonFollowsTheClipboardAndTakesOnlyAPicture) {
  Open().TimerTimer();  // an empty clipboard, or one with words only
  EXPECT_EQ(Open().bClipboard->Transparency(), 50);
  EXPECT_EQ(Open().Timer.interval(), 250);
  EXPECT_TRUE(Open().Timer.isActive());  // also while hidden
  int result = ShowOpen([](TOpenForm& f) {
    Click(f.bClipboard);
    EXPECT_TRUE(f.isVisible());
    Click(f.bCancel);
  });
  EXPECT_EQ(result, kModalCancel);

  recorded_.clipboard.picture = Bitmap(20, 10, MakePixel(10, 200, 30));
  Open().TimerTimer();  // the timer's next tick
  EXPECT_EQ(Open().bClipboard->Transparency(), 0);
  result = ShowOpen([](TOpenForm& f) { Click(f.bClipboard); });
  EXPECT_EQ(result, kModalOk);
  ASSERT_EQ(Open().ResultPicture.Width(), 20);
  EXPECT_EQ(Open().ResultPicture.At(5, 5) & 0xFFFFFF, MakePixel(10, 200, 30) & 0xFFFFFF);
}

TEST_F(SourceDialogs, SitOverThePictureAreaOnTheArtBehindThemAndHideTheExitButton) {
  // Art whose pixels all differ, so that a shifted copy shows.
  Form().BackgroundBitmap = testing::TestFace(640, 480);
  bool exitShown = true;
  QImage shown;
  QPoint offset;
  ShowOpen([&](TOpenForm& f) {
    exitShown = Form().GraphicButton5->isVisible();
    offset = f.pos() - Form().pos();
    shown = f.grab().toImage();
    // Hovering a button plays a random cue.
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(f.bTWAIN, &enter);
    f.EndModal(kModalCancel);
  });
  EXPECT_FALSE(exitShown);
  EXPECT_TRUE(Form().GraphicButton5->isVisible());
  EXPECT_EQ(offset, QPoint(5 + 171 + 20, 5 + 65));
  EXPECT_EQ(shown.size(), QSize(260, 281));
  // (5, 5) and (250, 270) lie beside every button.
  for (const QPoint p : {QPoint(5, 5), QPoint(250, 270)})
    EXPECT_EQ(shown.pixel(p) & 0xFFFFFF,
              Form().BackgroundBitmap.At(p.x() + offset.x(), p.y() + offset.y()) & 0xFFFFFF);
  EXPECT_TRUE(LastCue().contains("/random")) << LastCue().toStdString();
  EXPECT_EQ(Open().bTWAIN->Transparency(), 0);  // the recording scanner is there
  EXPECT_EQ(Open().bCamera->Transparency(), 50);
  EXPECT_EQ(Open().bFile->toolTip(), "Load From File");
}

TEST_F(SourceDialogs, TheMorphSourceDialogTellsItsChoiceInTag) {
  TOpenMorphForm& morph = *windows_->OpenMorphForm;
  const struct {
    TGraphicButton* button;
    int result;
    int tag;
  } cases[] = {
      {morph.bFile, kModalOk, 1}, {morph.bClipart, kModalOk, 2}, {morph.bCancel, kModalCancel, 0}};
  for (const auto& c : cases) {
    morph.OnShowModal = [&](ModalWindow*) { Click(c.button); };
    EXPECT_EQ(morph.ShowModal(), c.result);
    EXPECT_EQ(morph.Tag, c.tag);
  }
  EXPECT_EQ(morph.size(), QSize(258, 279));
  EXPECT_TRUE(recorded_.sound.played.empty());
}

TEST_F(SourceDialogs, TheLoadTabOfWarpingPutsAClipartFaceInTheMirror) {
  const std::string clipart = std::string(QUILLO_BUILD_DIR) + "/Clipart/Astronaut.png";
  Answers() = {clipart};
  Form().Page1Click();
  Open().OnShowModal = [](ModalWindow* w) { Click(static_cast<TOpenForm*>(w)->bClipart); };
  Form().LoadPanel->OnClick(Form().LoadPanel);
  WarpModel expected;
  expected.SetFacePicture(LoadPictureFile(clipart));
  EXPECT_EQ(windows_->WarpWindow->Model().FaceBitmap(), expected.FaceBitmap());
  EXPECT_TRUE(Open().ResultPicture.Empty());
  EXPECT_TRUE(recorded_.messages.errors.isEmpty());
}

TEST_F(SourceDialogs, APictureFileDroppedOnTheMirrorBecomesTheFace) {
  Form().Page1Click();
  TWarpWindow& mirror = *windows_->WarpWindow;
  const Bitmap before = mirror.Model().FaceBitmap();
  auto drop = [&](const std::string& path) { return Drop(mirror, path); };
  const std::string png = WritePicture("face.png", testing::TestFace(20, 20));
  ASSERT_TRUE(QFile::copy(QString::fromStdString(png), files_.filePath("face.xyz")));
  EXPECT_FALSE(drop(files_.filePath("face.xyz").toStdString()));
  EXPECT_TRUE(drop(WriteBytes("damaged.jpg", "not a picture")));
  EXPECT_EQ(recorded_.messages.errors.size(), 1);
  EXPECT_EQ(mirror.Model().FaceBitmap(), before);
  EXPECT_TRUE(drop(WritePicture("red.png", Bitmap(64, 64, MakePixel(200, 10, 10)))));
  EXPECT_EQ(mirror.Model().FaceBitmap().At(160, 160) & 0xFFFFFF, MakePixel(200, 10, 10) & 0xFFFFFF);
}

TEST_F(SourceDialogs, FilesDroppedOnTheMorphBoxesLoadAsTheirLoadActionsWould) {
  Form().GraphicButton2Click();
  TMorphForm& morph = *windows_->MorphForm;
  const Bitmap red(64, 64, MakePixel(200, 10, 10));
  EXPECT_FALSE(Drop(*Form().PaintBox, WritePicture("red.png", red)));  // the centre takes morphs
  EXPECT_TRUE(Drop(*Form().PaintBox1, WritePicture("red.png", red)));
  EXPECT_EQ(morph.Morph.SourceBitmap1().At(72, 72) & 0xFFFFFF, MakePixel(200, 10, 10) & 0xFFFFFF);
  EXPECT_EQ(morph.Morph.LineCount(), 0);

  MorphModel saved;
  saved.AddLine(LineAt({10, 10}, {100, 120}));
  const std::string file = files_.filePath("two.mph").toStdString();
  WriteMorphFile(file, saved);
  EXPECT_TRUE(Drop(*Form().PaintBox, file));
  EXPECT_EQ(morph.Morph.LineCount(), 1);
  EXPECT_TRUE(recorded_.messages.errors.isEmpty());
}

TEST_F(SourceDialogs, APictureDroppedOnABlendBoxLoadsIntoThatPicture) {
  Form().GraphicButton4Click();
  TBlendForm& blend = *windows_->BlendForm;
  const Bitmap right = blend.Blend.RightFace();
  EXPECT_TRUE(
      Drop(*Form().PaintBox, WritePicture("red.png", Bitmap(64, 64, MakePixel(200, 10, 10)))));
  EXPECT_EQ(blend.Blend.BlendBitmap().At(145, 145) & 0xFFFFFF, MakePixel(200, 10, 10) & 0xFFFFFF);
  EXPECT_TRUE(
      Drop(*Form().PaintBox1, WritePicture("blue.png", Bitmap(64, 64, MakePixel(10, 10, 200)))));
  EXPECT_EQ(blend.Blend.LeftFace().At(145, 145) & 0xFFFFFF, MakePixel(10, 10, 200) & 0xFFFFFF);
  EXPECT_EQ(blend.Blend.RightFace(), right);
}

}  // namespace
}  // namespace quillo
