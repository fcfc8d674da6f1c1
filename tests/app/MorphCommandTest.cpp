// `quillo morph` as a user runs it: the real program, no display.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include "support/RunQuillo.h"
#include "support/ToolOutput.h"

#include "base/FileBytes.h"
#include "effects/core/MorphDisplay.h"
#include "effects/core/MorphFile.h"
#include "io/core/BitmapFile.h"
#include "io/core/BmpCodec.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"

namespace quillo {
namespace {

using testing::Outcome;

Outcome Quillo(const QStringList& args) {
  return testing::RunQuillo(args);
}

MorphModel Sample() {
  MorphModel m;
  Bitmap one(kMorphSize, kMorphSize), two(kMorphSize, kMorphSize);
  for (int y = 0; y < kMorphSize; ++y)
    for (int x = 0; x < kMorphSize; ++x) {
      one.At(x, y) = MakePixel(x, y, 40, 0xEE);
      two.At(x, y) = MakePixel(200, x, y);
    }
  m.SetFace(MorphPicture::One, std::move(one));
  m.SetFace(MorphPicture::Two, std::move(two));
  MorphLine l = LineAt({20, 30}, {110, 100});
  l.Start2 = {35, 25};
  l.End2 = {120, 90};
  m.AddLine(l);
  return m;
}

class MorphCommand : public ::testing::Test {
 protected:
  void SetUp() override { WriteMorphFile(input_, Sample()); }
  std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
  QString Q(const std::string& s) const { return QString::fromStdString(s); }

  QTemporaryDir dir_;
  std::string input_ = Path("in.mph");
};

TEST_F(MorphCommand, WritesTheDisplayPictureOrTheFrameAtThePosition) {
  const std::string out = Path("out.bmp");
  for (int position : {0, 37, 100}) {
    const Outcome r = Quillo({"morph", "--position", QString::number(position), Q(input_), Q(out)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const BmpPicture written = DecodeBmp(ReadFileBytes(out));
    EXPECT_EQ(written.bitsPerPixel, 24);
    MorphModel m = Sample();
    Bitmap display(kDisplaySize, kDisplaySize);
    ShowMorphFrame(m, position, 100, display);
    EXPECT_EQ(written.bitmap, display) << position;
  }

  const std::string frame = Path("frame.bmp");
  const Outcome r = Quillo({"morph", "--frame", "--position=63", Q(input_), Q(frame)});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  MorphModel m = Sample();
  Bitmap display;
  ShowMorphFrame(m, 63, 100, display);
  const Bitmap written = LoadBitmapFile(frame);
  EXPECT_EQ(written.Width(), 145);
  EXPECT_EQ(written, m.FrameBitmap());
}

TEST_F(MorphCommand, BadInputGivesOneLineAndExitCodeTwoAndWritesNothing) {
  std::vector<std::uint8_t> damaged = EncodeMorphFile(Sample());
  damaged.resize(damaged.size() - 1);
  const std::string broken = Path("broken.mph");
  WriteFileAtomically(broken, damaged);
  const std::string out = Path("out.bmp");
  WriteFileAtomically(out, std::vector<std::uint8_t>{'o', 'l', 'd'});

  const struct {
    QStringList args;
    const char* says;
  } cases[] = {
      {{"--position", "101", Q(input_), Q(out)}, "between 0 and 100"},
      {{"--position", "-1", Q(input_), Q(out)}, "between 0 and 100"},
      {{"--position", "5x", Q(input_), Q(out)}, "malformed position"},
      {{Q(input_), Q(out)}, "--position"},
      {{"--position", "5", Q(input_)}, "INPUT.mph and OUTPUT"},
      {{"--position", "5", "--zoom", Q(input_), Q(out)}, "unknown option"},
      {{"--position", "5", Q(Path("none.mph")), Q(out)}, "Cannot open file"},
      {{"--position", "5", Q(broken), Q(out)}, "Bitmap image is not valid"},
  };
  for (const auto& c : cases) {
    const Outcome r = Quillo(QStringList{"morph"} << c.args);
    SCOPED_TRACE(c.args.join(' ').toStdString());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.startsWith("quillo morph: ")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(ReadFileBytes(out), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
  }
  const Outcome r = Quillo({"morph", "--position", "5", Q(broken), Q(out)});
  EXPECT_TRUE(r.err.contains(Q(broken))) << "the message names the file";
}

TEST_F(MorphCommand, RendersTheStartMorphOfTheDataFolder) {
  const std::string out = Path("start.bmp");
  const Outcome r =
      Quillo({"morph", "--position", "50",
              QString::fromStdString(ResolveIn(QUILLO_BUILD_DIR "/", kStartMorphFile)), Q(out)});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(LoadBitmapFile(out).Width(), kDisplaySize);
}

}  // namespace
}  // namespace quillo

namespace quillo {
namespace {

QString Probe(const QString& path) {
  return QString(testing::ToolOutput("ffprobe", {"-v", "error", "-count_frames", "-show_entries",
                                                 "stream=codec_name,width,height,r_frame_rate,"
                                                 "nb_read_frames",
                                                 "-of", "csv=p=0", path}))
      .trimmed();
}

TEST_F(MorphCommand, WritesTheMorphsVideoWithTheChosenCodecOrRefusesAnUnknownOne) {
  const std::string video = Path("morph.avi");
  Outcome r = Quillo({"morph", "--video", Q(video), Q(input_)});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(Probe(Q(video)), "mjpeg,290,290,15/1,52");

  r = Quillo({"morph", "--codec", "list"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(
      r.out.contains(QRegularExpression("^mjpeg +MJPEG", QRegularExpression::MultilineOption)))
      << r.out.toStdString();

  r = Quillo({"morph", "--video", Q(video), "--codec", "mpeg4", "--position", "50", Q(input_),
              Q(Path("half.bmp"))});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(Probe(Q(video)), "mpeg4,290,290,15/1,52");
  EXPECT_TRUE(QFile::exists(Q(Path("half.bmp"))));

  const std::string other = Path("other.avi");
  r = Quillo({"morph", "--video", Q(other), "--codec", "no-such-codec", Q(input_)});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
  EXPECT_FALSE(QFile::exists(Q(other)));
}

}  // namespace
}  // namespace quillo
