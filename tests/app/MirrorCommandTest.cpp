// The real quillo binary rendering mirrors headless, compared with the
// renderer called directly, and its answers to bad input.
#include <gtest/gtest.h>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "support/RunQuillo.h"

#include "base/FileBytes.h"
#include "effects/core/WarpModel.h"
#include "io/core/BitmapFile.h"
#include "io/core/BmpCodec.h"
#include "skin/BitmapImage.h"
#include "support/TestFolder.h"

namespace quillo {
namespace {

using testing::Outcome;

Outcome Quillo(const QStringList& args) {
  return testing::RunQuillo(args);
}

class MirrorCommand : public ::testing::Test {
 protected:
  QString In(const char* name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

TEST_F(MirrorCommand, WritesExactlyTheFrameTheRendererMakes) {
  const Bitmap face = testing::TestFace(60, 45);
  SaveBitmapFile(In("face.bmp").toStdString(), face, 24);
  struct Case {
    QStringList args;
    int tag;
    double strength;
    int cx, cy;
    bool smooth;
  };
  const Case cases[] = {
      {{"--kind", "horizontal", "--strength", "1.0"}, Horizontal, 1.0, 160, 160, true},
      {{"--kind", "vertical", "--strength", "-1.0"}, Vertical, -1.0, 160, 160, true},
      {{"--kind=radial", "--strength=0.7", "--center", "100,200"}, Radial, 0.7, 100, 200, true},
      {{"--kind", "squeeze", "--quality", "nearest"}, Squeeze, 0.5, 160, 160, false},
  };
  for (const Case& c : cases) {
    const Outcome run = Quillo(QStringList{"mirror"} << c.args << In("face.bmp") << In("out.bmp"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    WarpModel m;
    m.SetFacePicture(face);
    m.SetMode(c.tag);
    m.SetCenter(c.cx, c.cy);
    m.SetSmooth(c.smooth);
    m.RenderDistorted({0, 0, 320, 320}, 0.0, c.strength, 0, 0);
    EXPECT_EQ(ReadFileBytes(In("out.bmp").toStdString()), EncodeBmp(m.ViewBitmap(), 24))
        << c.args.join(' ').toStdString();
  }
}

TEST_F(MirrorCommand, ReadsOtherPictureFormats) {
  QImage png(40, 30, QImage::Format_RGB32);
  png.fill(QColor(10, 200, 30));
  ASSERT_TRUE(png.save(In("face.png")));
  const Outcome run = Quillo({"mirror", "--kind", "radial", In("face.png"), In("out.bmp")});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const Bitmap out = DecodeBmp(ReadFileBytes(In("out.bmp").toStdString())).bitmap;
  EXPECT_EQ(out.Width(), 320);
  EXPECT_EQ(out.At(160, 160), MakePixel(10, 200, 30));
  EXPECT_EQ(out.At(160, 5), MakePixel(255, 255, 255));  // above the landscape face
}

TEST_F(MirrorCommand, ReadsThePictureFormatsTheDialogsOpen) {
  SaveBitmapFile(In("face.bmp").toStdString(), testing::TestFace(60, 45), 24);
  // netpbm's TGA: ImageMagick 6 marks its rows as running from the bottom up
  // but writes them top first.
  ASSERT_EQ(QProcess::execute("sh", {"-c", "bmptopnm \"$0\" 2>/dev/null | ppmtotga -rgb > \"$1\"",
                                     In("face.bmp"), In("face.tga")}),
            0);
  const Outcome fromBmp = Quillo({"mirror", "--kind", "squeeze", In("face.bmp"), In("a.bmp")});
  const Outcome fromTga = Quillo({"mirror", "--kind", "squeeze", In("face.tga"), In("b.bmp")});
  ASSERT_EQ(fromTga.exitCode, 0) << fromTga.err.toStdString();
  EXPECT_EQ(ReadFileBytes(In("b.bmp").toStdString()), ReadFileBytes(In("a.bmp").toStdString()));

  QFile::copy(In("face.tga"), In("face.jfif"));
  const Outcome unknown = Quillo({"mirror", "--kind", "squeeze", In("face.jfif"), In("c.bmp")});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_EQ(unknown.err, "quillo mirror: Unknown picture file extension (.jfif)\n");
}

TEST_F(MirrorCommand, BadInputGetsOneLineExitCodeTwoAndWritesNothing) {
  SaveBitmapFile(In("face.bmp").toStdString(), testing::TestFace(8, 8), 24);
  QFile junk(In("junk.bmp"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("BM\x10\x00 broken");
  junk.close();
  QFile text(In("notes.txt"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("just words");
  text.close();
  const std::vector<std::uint8_t> previous{'o', 'l', 'd'};
  WriteFileAtomically(In("out.bmp").toStdString(), previous);

  const QString face = In("face.bmp"), out = In("out.bmp");
  const QStringList bad[] = {
      {"mirror", "--kind", "radial", In("missing.bmp"), out},
      {"mirror", "--kind", "radial", In("junk.bmp"), out},
      {"mirror", "--kind", "radial", In("notes.txt"), out},
      {"mirror", "--kind", "wobbly", face, out},
      {"mirror", "--kind", "radial", "--strength", "1.5", face, out},
      {"mirror", "--kind", "radial", "--strength", "half", face, out},
      {"mirror", "--kind", "radial", "--center", "10", face, out},
      {"mirror", "--kind", "radial", "--quality", "best", face, out},
      {"mirror", "--kind", "radial", face},
      {"mirror", face, out},
      {"mirror", "--kind", "radial", "--shiny", face, out},
      {"mirror", "--kind", "radial", face, In("no/such/folder/out.bmp")},
      {"--frobnicate"},
  };
  for (const QStringList& args : bad) {
    const Outcome run = Quillo(args);
    EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(ReadFileBytes(out.toStdString()), previous) << args.join(' ').toStdString();
  }
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 4);  // no temporary files left
}

TEST_F(MirrorCommand, AFailedRunWritesNothingAndAStrayWordIsNamed) {
  SaveBitmapFile(In("face.bmp").toStdString(), testing::TestFace(8, 8), 24);
  // The picture cannot be written: the video it came with is not left behind.
  Outcome run = Quillo(
      {"mirror", "--kind", "radial", "--video", In("ok.avi"), In("face.bmp"), In("bad/out.bmp")});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "quillo mirror: Cannot create file " + In("bad/out.bmp") +
                         ": the folder does not exist.\n");
  EXPECT_FALSE(QFile::exists(In("ok.avi")));
  run = Quillo({"mirror", "--kind", "radial", In("face.bmp"), In("out.bmp"), "extra"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "quillo mirror: unexpected argument \"extra\"\n");
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"face.bmp"});
}

TEST_F(MirrorCommand, OutputsByNameAndAGifVideo) {
  const Bitmap face = testing::TestFace(40, 40);
  SaveBitmapFile(In("face.bmp").toStdString(), face, 24);
  const Outcome run = Quillo(
      {"mirror", "--kind", "radial", "--video", In("clip.gif"), In("face.bmp"), In("out.png")});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const Outcome bmp = Quillo({"mirror", "--kind", "radial", In("face.bmp"), In("out.bmp")});
  ASSERT_EQ(bmp.exitCode, 0) << bmp.err.toStdString();
  // The PNG holds exactly the frame the BMP holds.
  const QImage png(In("out.png"), "png");
  const Bitmap frame = LoadBitmapFile(In("out.bmp").toStdString());
  ASSERT_EQ(png.size(), QSize(320, 320));
  int differing = 0;
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 320; ++x)
      differing += (png.pixel(x, y) & 0xFFFFFF) != (frame.At(x, y) & 0xFFFFFF);
  EXPECT_EQ(differing, 0);
  QProcess probe;
  probe.start("ffprobe", {"-v", "error", "-count_frames", "-show_entries",
                          "stream=codec_name,nb_read_frames", "-of", "csv=p=0", In("clip.gif")});
  ASSERT_TRUE(probe.waitForFinished(30000));
  EXPECT_EQ(probe.readAllStandardOutput().trimmed(), "gif,52");
}

TEST_F(MirrorCommand, FullResolutionKeepsTheInputsSize) {
  const Bitmap photo = testing::TestFace(640, 480);
  SaveBitmapFile(In("photo.bmp").toStdString(), photo, 24);
  // Undistorted, the picture comes out exactly as it went in.
  Outcome run = Quillo({"mirror", "--kind", "radial", "--strength", "0", "--full-resolution",
                        In("photo.bmp"), In("same.png")});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QImage same(In("same.png"), "png");
  ASSERT_EQ(same.size(), QSize(640, 480));
  int differing = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x)
      differing += (same.pixel(x, y) & 0xFFFFFF) != (photo.At(x, y) & 0xFFFFFF);
  EXPECT_EQ(differing, 0);
  run = Quillo({"warp", "--stroke", "100,100", "200,150", "--full-resolution", In("photo.bmp"),
                In("warped.bmp")});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const Bitmap warped = LoadBitmapFile(In("warped.bmp").toStdString());
  EXPECT_EQ(warped.Width(), 640);
  EXPECT_EQ(warped.Height(), 480);
  EXPECT_NE(warped, LoadBitmapFile(In("photo.bmp").toStdString()));
}

TEST_F(MirrorCommand, HelpAndVersion) {
  for (const char* command : {"mirror", "warp", "morph"})
    for (const char* ask : {"--help", "-h"}) {
      const Outcome help = Quillo({command, ask});
      EXPECT_EQ(help.exitCode, 0) << command << " " << ask << ": " << help.err.toStdString();
      EXPECT_TRUE(help.out.startsWith(QString("Usage: quillo ") + command + " "))
          << help.out.toStdString();
      EXPECT_TRUE(help.err.isEmpty());
    }
  // Without a display the desktop program says so in one line.
  for (const QStringList& args : {QStringList{}, QStringList{In("face.bmp")}}) {
    const Outcome run = Quillo(args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("quillo: no display")) << run.err.toStdString();
  }

  const Outcome help = Quillo({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.contains("quillo mirror --kind"));
  EXPECT_TRUE(help.out.contains("quillo morph --position"));
  const Outcome version = Quillo({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(version.out.startsWith("Quillo "));
}

}  // namespace
}  // namespace quillo
