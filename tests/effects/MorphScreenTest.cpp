// The Morphing screen driven offscreen through the main window's controls:
// lines drawn, dragged and deleted with the mouse, the slider, new faces,
// morph files in and out, and the video of the morph.
#include <gtest/gtest.h>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "app/QuilloWindows.h"
#include "base/FileBytes.h"
#include "base/Handler.h"
#include "effects/core/MorphDisplay.h"
#include "effects/core/MorphFile.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "skin/TGraphicButton.h"
#include "skin/TGraphicSlider.h"
#include "skin/TNonRectPanel.h"
#include "skin/TPaintBox.h"
#include "skin/core/SmoothDraw.h"
#include "support/TestFolder.h"
#include "support/WindowsTest.h"

namespace quillo {
namespace {

constexpr QRgb kRed = 0xFFFF0000, kBlack = 0xFF000000;

class MorphScreen : public testing::WindowsTest {
 protected:
  MorphScreen() : WindowsTest(StartIn::Files) {}
  void SetUp() override {
    Morph().Morph.SetFace(MorphPicture::One, testing::TestFace(kMorphSize, kMorphSize));
    Morph().Morph.SetFace(MorphPicture::Two,
                          Bitmap(kMorphSize, kMorphSize, MakePixel(250, 240, 230)));
    Form().GraphicButton2Click();
  }
  TMorphForm& Morph() { return *windows_->MorphForm; }

  // The pointer over a box at (x, y), with the buttons held.
  static void Move(TPaintBox* box, int x, int y, Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), box->mapToGlobal(QPointF(x, y)),
                     Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &move);
  }
  static void Drag(TPaintBox* box, QPoint from, QPoint to) {
    Move(box, from.x(), from.y());
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, from);
    Move(box, to.x(), to.y(), Qt::LeftButton);
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, to);
  }
  static QRgb Shown(TPaintBox* box, int x, int y) { return box->grab().toImage().pixel(x, y); }
  // Clicks a tab as its press would, failures reported as the program does.
  static void Click(TNonRectPanel* tab) {
    RunHandler([tab] { tab->OnClick(tab); });
  }
  Bitmap FrameAt(int position) {
    MorphModel m = Morph().Morph;
    Bitmap display;
    ShowMorphFrame(m, position, kSliderMax, display);
    return display;
  }
};

TEST_F(MorphScreen, LinesAreDrawnDraggedAndDeletedWithTheMouseWithoutTouchingTheCentre) {
  TJumpForm& f = Form();
  const Bitmap centre = Morph().DisplayBitmap;
  Drag(f.PaintBox1, {20, 30}, {60, 70});
  ASSERT_EQ(Morph().Morph.LineCount(), 1);
  EXPECT_EQ(Morph().Morph.Lines()[0], LineAt({20, 30}, {60, 70}));
  // Still hot after the release: red in both pictures, with its end markers.
  EXPECT_EQ(Shown(f.PaintBox1, 40, 50), kRed);
  EXPECT_EQ(Shown(f.PaintBox2, 40, 50), kRed);
  EXPECT_EQ(Shown(f.PaintBox2, 20, 30), 0xFFFFFF00u);  // yellow start
  EXPECT_EQ(Shown(f.PaintBox2, 60, 70), 0xFF00FF00u);  // green end

  Move(f.PaintBox2, 100, 120);
  EXPECT_EQ(Shown(f.PaintBox2, 40, 50), kBlack);
  // Near the end in picture 2 the end moves there only; near the start, the start.
  Drag(f.PaintBox2, {62, 71}, {90, 80});
  Drag(f.PaintBox2, {21, 31}, {10, 140});
  const MorphLine& line = Morph().Morph.Lines()[0];
  EXPECT_EQ(line.End2, (RealPoint{90, 80}));
  EXPECT_EQ(line.Start2, (RealPoint{10, 140}));
  EXPECT_EQ(line.End1, (RealPoint{60, 70}));
  EXPECT_EQ(Morph().DisplayBitmap, centre);

  // A right click on the hot line deletes it; nothing is red afterwards.
  Move(f.PaintBox1, 21, 30);
  QTest::mouseClick(f.PaintBox1, Qt::RightButton, Qt::NoModifier, QPoint(21, 30));
  EXPECT_EQ(Morph().Morph.LineCount(), 0);
  EXPECT_EQ(Shown(f.PaintBox1, 40, 50) & 0xFFFFFF, Morph().Morph.SourceBitmap1().At(40, 50));

  f.TrackBar->SetValue(50);
  EXPECT_EQ(Morph().DisplayBitmap, FrameAt(50));
  EXPECT_EQ(f.PaintBox->grab().toImage().pixel(100, 100) & 0xFFFFFF,
            Morph().DisplayBitmap.At(100, 100));
}

// A change of the hot line paints only where that line lies; what reaches
// the screen is still the whole picture with every line in its colour.
TEST_F(MorphScreen, PaintingOnlyWhereTheHotLineLiesLeavesNothingStale) {
  TJumpForm& f = Form();
  Drag(f.PaintBox1, {10, 10}, {130, 130});
  Drag(f.PaintBox1, {10, 130}, {130, 10});  // crosses the first line
  Drag(f.PaintBox1, {20, 60}, {40, 70});
  const auto onScreen = [&] {
    QCoreApplication::processEvents();
    const QPoint at = f.PaintBox1->mapTo(&f, QPoint(0, 0));
    return f.screen()->grabWindow(f.winId(), at.x(), at.y(), 145, 145).toImage();
  };
  const auto drawn = [&] { return f.PaintBox1->grab().toImage(); };
  for (const QPoint p : {QPoint(130, 130), QPoint(70, 140), QPoint(41, 70), QPoint(10, 130)}) {
    Move(f.PaintBox1, p.x(), p.y());
    EXPECT_EQ(onScreen(), drawn()) << p.x() << "," << p.y();
  }
  EXPECT_EQ(drawn().pixel(70, 70), kRed);  // the second line lies on top
}

TEST_F(MorphScreen, TheThousandAndFirstLineIsRefusedAndTheHintSaysWhy) {
  TJumpForm& f = Form();
  for (int i = 0; i < kMaxLines - 1; ++i) Morph().Morph.AddLine(LineAt({-20, -20}, {-10, -10}));
  Drag(f.PaintBox1, {20, 30}, {60, 70});
  EXPECT_EQ(Morph().Morph.LineCount(), kMaxLines);
  Drag(f.PaintBox2, {100, 100}, {120, 120});
  EXPECT_EQ(Morph().Morph.LineCount(), kMaxLines);
  EXPECT_EQ(Morph().Morph.Lines()[kMaxLines - 1], LineAt({20, 30}, {60, 70}));
  EXPECT_EQ(f.PaintBox2->toolTip(), "A morph holds at most 1000 lines");
  Move(f.PaintBox1, 60, 70);
  QTest::mouseClick(f.PaintBox1, Qt::RightButton, Qt::NoModifier, QPoint(60, 70));
  EXPECT_EQ(f.PaintBox2->toolTip(), "");
}

TEST_F(MorphScreen, ANewFaceTakesAllLinesAwayAndShowsItsFrame) {
  TJumpForm& f = Form();
  Drag(f.PaintBox1, {20, 30}, {60, 70});
  f.TrackBar->SetValue(40);
  const MorphModel before = Morph().Morph;
  TOpenForm& open = *windows_->OpenForm;
  open.OnShowModal = [&](ModalWindow* w) {
    EXPECT_FALSE(f.PaintBox->isVisible());
    w->EndModal(kModalCancel);
  };
  f.Load2->OnClick(f.Load2);
  EXPECT_EQ(EncodeMorphFile(Morph().Morph), EncodeMorphFile(before));
  EXPECT_TRUE(f.PaintBox->isVisible());

  open.OnShowModal = [&](ModalWindow* w) {
    open.ResultPicture = Bitmap(60, 30, MakePixel(200, 10, 10));
    w->EndModal(kModalOk);
  };
  f.Load2->OnClick(f.Load2);
  Bitmap expected(kMorphSize, kMorphSize, kBlankFace);
  CenterDraw(expected, {0, 0, kMorphSize, kMorphSize}, Bitmap(60, 30, MakePixel(200, 10, 10)),
             kBlankFace);
  EXPECT_EQ(Morph().Morph.SourceBitmap2(), expected);
  EXPECT_EQ(Morph().Morph.SourceBitmap1(), before.SourceBitmap1());
  EXPECT_EQ(Morph().Morph.LineCount(), 0);
  EXPECT_TRUE(open.ResultPicture.Empty());
  EXPECT_EQ(Morph().DisplayBitmap, FrameAt(40));
  EXPECT_TRUE(f.PaintBox->isVisible());
}

TEST_F(MorphScreen, MorphFilesComeFromTheStartOrClipArtFolderAndABadOneChangesNothing) {
  TJumpForm& f = Form();
  MorphModel saved = Morph().Morph;
  saved.SetFace(MorphPicture::One, Bitmap(kMorphSize, kMorphSize, MakePixel(1, 2, 3)));
  saved.AddLine(LineAt({5, 6}, {70, 80}));
  WriteMorphFile(InFiles("saved.mph"), saved);
  f.TrackBar->SetValue(60);
  TOpenMorphForm& source = *windows_->OpenMorphForm;
  source.OnShowModal = [&](ModalWindow*) { source.bFileClick(); };
  recorded_.files.answers = {InFiles("saved.mph")};
  Click(f.LoadPanel);
  EXPECT_EQ(EncodeMorphFile(Morph().Morph), EncodeMorphFile(saved));
  EXPECT_EQ(f.TrackBar->Value(), 0);
  EXPECT_EQ(Morph().DisplayBitmap, FrameAt(0));

  std::vector<std::uint8_t> damaged = EncodeMorphFile(saved);
  damaged.resize(damaged.size() / 2);
  WriteFileAtomically(InFiles("damaged.mph"), damaged);
  source.OnShowModal = [&](ModalWindow*) { source.bClipartClick(); };
  recorded_.files.answers = {InFiles("damaged.mph")};
  const Bitmap display = Morph().DisplayBitmap;
  Click(f.LoadPanel);
  EXPECT_EQ(EncodeMorphFile(Morph().Morph), EncodeMorphFile(saved));
  EXPECT_EQ(Morph().DisplayBitmap, display);
  EXPECT_TRUE(f.PaintBox->isVisible());
  EXPECT_EQ(running_.Errors(), QStringList{"Bitmap image is not valid"});

  ASSERT_EQ(recorded_.files.calls.size(), 2u);
  EXPECT_EQ(recorded_.files.calls[0].folder, StartFolder);
  EXPECT_EQ(recorded_.files.calls[0].filter, "*.mph (*.mph)");
  EXPECT_EQ(recorded_.files.calls[1].folder, ResolveIn(ProgramFolder, kClipartFolder) + "/");
}

TEST_F(MorphScreen, TheSaveDialogWritesTheMorphAndFilmsItAndTheSliderComesBack) {
  TJumpForm& f = Form();
  Drag(f.PaintBox1, {20, 30}, {60, 70});
  Drag(f.PaintBox2, {62, 71}, {90, 100});
  f.TrackBar->SetValue(30);
  TSaveForm& save = *windows_->SaveForm;
  save.OnShowModal = [&](ModalWindow*) {
    EXPECT_FALSE(f.PaintBox->isVisible());
    EXPECT_EQ(save.SaveBitmap, &Morph().DisplayBitmap);
    QTest::mouseClick(save.bFile, Qt::LeftButton);
  };
  recorded_.files.answers = {InFiles("out.mph")};
  Click(f.SavePanel);
  EXPECT_EQ(recorded_.files.calls.back().filter, "*.mph (*.mph)");
  EXPECT_EQ(ReadFileBytes(InFiles("out.mph")), EncodeMorphFile(Morph().Morph));

  save.OnShowModal = [&](ModalWindow*) { QTest::mouseClick(save.bAVI, Qt::LeftButton); };
  recorded_.files.answers = {InFiles("morph.avi")};
  Click(f.SavePanel);
  EXPECT_EQ(f.TrackBar->Value(), 30);
  EXPECT_EQ(Morph().DisplayBitmap, FrameAt(30));
  EXPECT_TRUE(f.PaintBox->isVisible());
  // Frames are counted, not decoded: the decoder is not yet safe with
  // frames whose width is not a multiple of 16.
  QProcess probe;
  probe.start("ffprobe", {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
                          "stream=width,height,nb_read_frames", "-of", "csv=p=0",
                          files_.filePath("morph.avi")});
  ASSERT_TRUE(probe.waitForFinished(30000));
  EXPECT_EQ(probe.readAllStandardOutput().trimmed(), "290,290,52");
  EXPECT_TRUE(running_.Errors().isEmpty());
}

}  // namespace
}  // namespace quillo
