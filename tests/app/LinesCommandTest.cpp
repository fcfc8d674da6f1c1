// `quillo lines` as a user runs it: the real program, no display.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "effects/FaceFinder.h"
#include "effects/core/FaceLines.h"
#include "effects/core/MorphFile.h"
#include "io/PictureFile.h"
#include "skin/core/SmoothDraw.h"
#include "support/RunQuillo.h"

namespace quillo {
namespace {

using testing::Outcome;

QString Asset(const char* name) {
  return QString(QUILLO_SOURCE_DIR) + "/assets/" + name;
}

class LinesCommand : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir_.filePath(name); }
  static bool Detecting() { return LoadFaceFinder(false)->Available(); }
  QTemporaryDir dir_;
};

TEST_F(LinesCommand, WritesAMorphOfBothFacesFittedWithTheirLines) {
  if (!Detecting()) GTEST_SKIP() << kNoFaceDetection;
  const QString out = Path("faces.mph");
  const Outcome r =
      testing::RunQuillo({"lines", Asset("astronaut.png"), Asset("chelsea.png"), out});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.isEmpty());
  const MorphModel morph = ReadMorphFile(out.toStdString());
  EXPECT_EQ(morph.LineCount(), static_cast<int>(FeatureLines().size()));
  for (int i = 0; i < morph.LineCount(); ++i) EXPECT_TRUE(IsUsable(morph.Lines()[i]));
  // The faces as the Load buttons fit them.
  Bitmap cat(kMorphSize, kMorphSize);
  CenterDraw(cat, {0, 0, kMorphSize, kMorphSize},
             LoadPictureFile(Asset("chelsea.png").toStdString()), kBlankFace);
  EXPECT_EQ(morph.SourceBitmap2(), cat);
  // quillo morph opens it.
  EXPECT_EQ(testing::RunQuillo({"morph", "--position", "50", out, Path("mid.bmp")}).exitCode, 0);
}

TEST_F(LinesCommand, RefusesInOneLineWithExitCodeTwoAndWritesNothing) {
  const QString out = Path("none.mph");
  const QStringList refused[] = {
      {"lines", Asset("astronaut.png"), Asset("coffee.png"), out},  // no face in the second
      {"lines", Asset("astronaut.png"), out},
      {"lines", "--faces", Asset("astronaut.png"), Asset("chelsea.png"), out},
      {"lines", Path("missing.png"), Asset("chelsea.png"), out},
  };
  for (const QStringList& args : refused) {
    const Outcome r = testing::RunQuillo(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith("quillo lines: ")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
  }
  if (Detecting()) {
    const Outcome r = testing::RunQuillo(refused[0]);
    EXPECT_TRUE(r.err.contains("coffee.png")) << r.err.toStdString();
  }
  const Outcome help = testing::RunQuillo({"lines", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.startsWith("Usage: quillo lines FACE1 FACE2 OUT.mph"));
}

}  // namespace
}  // namespace quillo
