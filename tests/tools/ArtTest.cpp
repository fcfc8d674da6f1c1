// The art generator's output in the build folder: sizes the program relies
// on, the key colours that cut the skin's cells to shape, alignment of lit
// cells with the background, and byte-identical output on every run.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <string>
#include <string_view>
#include <vector>

#include "ArtSupport.h"
#include "skin/core/WindowPlaces.h"

namespace quillo {
namespace {

using testing::ArtPath;
using testing::CountColour;
using testing::kAquaPixel;
using testing::kArtFiles;
using testing::ReadArt;

const Pixel kSliderKeyPixel = ColorRefToPixel(kSliderKey);

class ArtFilesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sheet_ = new BmpPicture(ReadArt(kSkinSheetFile)); }
  static void TearDownTestSuite() {
    delete sheet_;
    sheet_ = nullptr;
  }
  static const Bitmap& Sheet() { return sheet_->bitmap; }
  static BmpPicture* sheet_;
};
BmpPicture* ArtFilesTest::sheet_ = nullptr;

TEST_F(ArtFilesTest, PicturesHaveTheSizesTheProgramDrawsThemAt) {
  EXPECT_EQ(sheet_->bitsPerPixel, 24);
  EXPECT_EQ(Sheet().Width(), kSkinSheetWidth);
  EXPECT_EQ(Sheet().Height(), kSkinSheetHeight);
  struct Expected {
    std::string_view name;
    int width, height;
  };
  for (const Expected& e :
       {Expected{kMainBitmapFile, kWindowWidth, kWindowHeight},
        Expected{kStartPictureFile, kHomePicture.Width(), kHomePicture.Height()},
        Expected{kWhiteFaceFile, kPictureArea.Width(), kPictureArea.Height()},
        Expected{kBlackFaceFile, kPictureArea.Width(), kPictureArea.Height()}}) {
    const BmpPicture picture = ReadArt(e.name);
    EXPECT_EQ(picture.bitsPerPixel, 24) << e.name;
    EXPECT_EQ(picture.bitmap.Width(), e.width) << e.name;
    EXPECT_EQ(picture.bitmap.Height(), e.height) << e.name;
  }
  const Bitmap face = ReadArt(kDefaultFaceFile).bitmap;
  EXPECT_EQ(face.Width(), face.Height());
  EXPECT_GE(face.Width(), 320);
}

// Aqua-keyed cells are cut to shape: each must have both cut-out and art.
// Cells without a key are drawn opaque, so aqua there would show.
TEST_F(ArtFilesTest, KeyedCellsHaveShapeAndUnkeyedCellsNoAqua) {
  for (const ControlLayout& cell : SkinnedControls()) {
    for (int i = 0; i < cell.cellCount; ++i) {
      const Rect r = cell.Cell(i);
      const int aqua = CountColour(Sheet(), r, kAquaPixel);
      const std::string what = std::string(cell.name) + " cell " + std::to_string(i);
      if (cell.resource.color == kAqua) {
        EXPECT_GT(aqua, 0) << what;
        EXPECT_LT(aqua, r.Width() * r.Height() / 2) << what << " is mostly cut away";
      } else {
        EXPECT_EQ(aqua, 0) << what;
      }
    }
  }
}

TEST_F(ArtFilesTest, ThumbFramesAreKeyedByTheirLowerLeftPixel) {
  for (int k = 0; k < kThumbFrames; ++k) {
    for (const Rect r : {LeftThumbCell(k), RightThumbCell(k)}) {
      EXPECT_EQ(ColourBits(Sheet().At(r.left, r.bottom - 1)), kSliderKeyPixel) << "frame " << k;
      const int key = CountColour(Sheet(), r, kSliderKeyPixel);
      EXPECT_GT(key, r.Width() * r.Height() / 3) << "frame " << k << " has little background";
      EXPECT_LT(key, r.Width() * r.Height()) << "frame " << k << " has no knob";
    }
  }
}

TEST_F(ArtFilesTest, ChosenMirrorIconsDifferFromNormalOnes) {
  for (const MirrorIcon& icon : kMirrorIcons) {
    const Bitmap normal = Sheet().Copy(icon.Cell(false));
    const Bitmap chosen = Sheet().Copy(icon.Cell(true));
    EXPECT_NE(normal, chosen) << icon.name;
    EXPECT_EQ(CountColour(Sheet(), icon.Cell(false), kAquaPixel), 0) << icon.name;
  }
}

// Hovering shows a button's cell instead of the background: both must agree
// at the cell's corner, and the lit look must differ from the quiet one.
TEST_F(ArtFilesTest, LitButtonsSitSeamlesslyOnTheBackground) {
  const Bitmap main = ReadArt(kMainBitmapFile).bitmap;
  struct Place {
    const char* control;
    Rect client;
  };
  for (const Place& place :
       {Place{"GraphicButton1", kModePlaces[0].button},
        Place{"GraphicButton2", kModePlaces[1].button},
        Place{"GraphicButton3", kModePlaces[2].button},
        Place{"GraphicButton4", kModePlaces[3].button}, Place{"GraphicButton5", kExitButton}}) {
    const ControlLayout& cell = SkinnedControl(place.control);
    const Rect lit = cell.Cell(0);
    const Rect art = InArt(place.client);
    const Rect behind = RectOfSize(art.left, art.top, lit.Width(), lit.Height());
    EXPECT_EQ(ColourBits(Sheet().At(lit.left, lit.top)),
              ColourBits(main.At(behind.left, behind.top)))
        << place.control;
    EXPECT_NE(Sheet().Copy(lit), main.Copy(behind)) << place.control;
    EXPECT_NE(Sheet().Copy(lit), Sheet().Copy(cell.Cell(1))) << place.control << " pressed";
  }
}

// The program's icon: a round orb on a transparent ground at every size.
TEST(ArtIconsTest, EachSizeIsAnOpaqueOrbOnATransparentGround) {
  for (int size : kIconSizes) {
    const QImage icon(QString::fromStdString(ArtPath(IconFile(size))));
    ASSERT_EQ(icon.size(), QSize(size, size)) << size;
    ASSERT_TRUE(icon.hasAlphaChannel()) << size;
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
    EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
  }
}

TEST(ArtGeneratorTest, WritesTheSameBytesOnEveryRun) {
  const QString generator = QStringLiteral(QUILLO_BUILD_DIR "/tools/artgen/artgen");
  QTemporaryDir first, second;
  ASSERT_TRUE(first.isValid() && second.isValid());
  for (const QTemporaryDir* dir : {&first, &second}) {
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    run.setProcessEnvironment(env);
    run.start(generator, {QStringLiteral(QUILLO_SOURCE_DIR "/assets"), dir->path()});
    ASSERT_TRUE(run.waitForFinished(120000));
    ASSERT_EQ(run.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
  }
  std::vector<std::string> names(std::begin(kArtFiles), std::end(kArtFiles));
  for (int size : kIconSizes) names.push_back(IconFile(size));
  for (const std::string& name : names) {
    const auto a = ReadFileBytes(GeneratedFilePath(first.path().toStdString(), name));
    const auto b = ReadFileBytes(GeneratedFilePath(second.path().toStdString(), name));
    EXPECT_FALSE(a.empty()) << name;
    EXPECT_TRUE(a == b) << name << " differs between two runs";
    EXPECT_TRUE(a == ReadFileBytes(ArtPath(name))) << name << " differs from the build's copy";
  }
}

TEST(ArtGeneratorTest, FailsWithAMessageWithoutItsPhotographs) {
  QTemporaryDir empty, out;
  QProcess run;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  run.setProcessEnvironment(env);
  run.start(QStringLiteral(QUILLO_BUILD_DIR "/tools/artgen/artgen"), {empty.path(), out.path()});
  ASSERT_TRUE(run.waitForFinished(120000));
  EXPECT_NE(run.exitCode(), 0);
  EXPECT_TRUE(run.readAllStandardError().contains("astronaut.png"));
}

}  // namespace
}  // namespace quillo
