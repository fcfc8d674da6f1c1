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

TEST_F(MirrorCommand, HelpAndVersion) {
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
