// The real quillo binary smearing a face headless, compared with the brush
// and renderer called directly, and its answers to bad input.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "support/RunQuillo.h"

#include "base/FileBytes.h"
#include "effects/core/WarpModel.h"
#include "io/core/BitmapFile.h"
#include "io/core/BmpCodec.h"
#include "support/TestFolder.h"

namespace quillo {
namespace {

using testing::Outcome;
using Stroke = std::vector<std::pair<int, int>>;

// What the window shows after the strokes, the right slider at rest.
std::vector<std::uint8_t> Expected(const Bitmap& face, const std::vector<Stroke>& strokes,
                                   int radius, double scale, bool smooth) {
  WarpModel m;
  m.SetFacePicture(face);
  m.SetBrushRadius(radius);
  m.SetBrushStrength(0.25);
  for (const Stroke& stroke : strokes) {
    m.BeginPress(stroke[0].first, stroke[0].second, 10);
    m.StartDrag();
    for (std::size_t i = 1; i < stroke.size(); ++i) m.DragStep(stroke[i].first, stroke[i].second);
    m.EndDrag();
  }
  m.SetMode(WarpField);
  m.SetSmooth(smooth);
  m.RenderDistorted({0, 0, kFaceSize, kFaceSize}, scale, 0.0, 0, 0);
  return EncodeBmp(m.ViewBitmap(), 24);
}

class WarpCommand : public ::testing::Test {
 protected:
  QString In(const char* name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

TEST_F(WarpCommand, WritesExactlyWhatTheBrushAndRendererMake) {
  const Bitmap face = testing::TestFace(64, 64);
  SaveBitmapFile(In("face.bmp").toStdString(), face, 24);
  const Stroke across{{60, 150}, {100, 160}, {140, 150}, {200, 170}, {260, 160}};
  const Stroke leaving{{250, 100}, {300, 90}, {340, 80}, {400, -20}};
  const Stroke entering{{-60, 200}, {20, 210}, {80, 230}};
  struct Case {
    QStringList args;
    std::vector<Stroke> strokes;
    int radius;
    double scale;
    bool smooth;
  };
  const QStringList acrossArgs{"--stroke", "60,150", "100,160", "140,150", "200,170", "260,160"};
  const Case cases[] = {
      {acrossArgs, {across}, 45, 1.0, true},
      {QStringList(acrossArgs) << "--quality=nearest", {across}, 45, 1.0, false},
      {QStringList(acrossArgs) << "--scale=0.5", {across}, 45, 0.5, true},
      {QStringList{"--quality=nearest", "--scale", "0.5"} << acrossArgs, {across}, 45, 0.5, false},
      {{"--radius", "60", "--stroke=250,100", "300,90", "+340,+80", "400,-20", "--stroke",
        "-60,200", "20,210", "80,230", "--"},
       {leaving, entering},
       60,
       1.0,
       true},
      // The limits are accepted; from so far away the brush touches nothing.
      {{"--radius=320", "--scale=0", "--stroke", "-100000,160", "100000,-100000", "--stroke",
        "5,5"},
       {{{-100000, 160}, {100000, -100000}}, {{5, 5}}},
       320,
       0.0,
       true},
  };
  const std::vector<std::uint8_t> still = Expected(face, {}, 45, 1.0, true);
  for (const Case& c : cases) {
    const Outcome run =
        testing::RunQuillo(QStringList{"warp"} << c.args << In("face.bmp") << In("out.bmp"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty() && run.err.isEmpty());
    const auto expected = Expected(face, c.strokes, c.radius, c.scale, c.smooth);
    EXPECT_EQ(ReadFileBytes(In("out.bmp").toStdString()), expected)
        << c.args.join(' ').toStdString();
    if (c.scale > 0) {
      EXPECT_NE(expected, still) << "the strokes must show";
    }
  }
}

TEST_F(WarpCommand, BadInputGetsOneLineExitCodeTwoAndWritesNothing) {
  SaveBitmapFile(In("face.bmp").toStdString(), testing::TestFace(8, 8), 24);
  QFile junk(In("junk.bmp"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("BM\x10\x00 broken");
  junk.close();
  const std::vector<std::uint8_t> previous{'o', 'l', 'd'};
  WriteFileAtomically(In("out.bmp").toStdString(), previous);

  const QString face = In("face.bmp"), out = In("out.bmp");
  // A good stroke before the rest.
  auto stroked = [](const QStringList& rest) { return QStringList{"--stroke", "10,10"} << rest; };
  const std::vector<QStringList> bad = {
      // No stroke, or a stroke without points.
      {face, out},
      {"--radius", "30", face, out},
      {"--stroke", face, out},
      {"--stroke", "--radius", "30", face, out},
      {"--stroke=", face, out},
      {face, out, "--stroke"},
      // Malformed points, first or later in a stroke.
      {"--stroke", "1,2,3", face, out},
      {"--stroke", "a,b", face, out},
      {"--stroke", "1;2", face, out},
      {"--stroke=1;2", face, out},
      {"--stroke", "10,10", "1,2,3", face, out},
      {"--stroke", "10,10", "12", face, out},
      {"--stroke", "10,10", "1, 2", face, out},
      {"--stroke", "100001,0", face, out},
      {"--stroke", "0,-99999999999999", face, out},
      // Options out of range, malformed, unknown or repeated.
      stroked({"--radius", "0", face, out}),
      stroked({"--radius=321", face, out}),
      stroked({"--radius", "ten", face, out}),
      stroked({"--radius", "30", "--radius", "30", face, out}),
      stroked({"--scale", "-0.1", face, out}),
      stroked({"--scale", "1.01", face, out}),
      stroked({"--scale", "nan", face, out}),
      stroked({"--scale=inf", face, out}),
      stroked({"--scale", "1", "--scale=1", face, out}),
      stroked({"--quality", "best", face, out}),
      stroked({"--quality", "nearest", "--quality", "nearest", face, out}),
      stroked({"--shiny", face, out}),
      // Files.
      stroked({face}),
      stroked({face, out, out}),
      stroked({In("missing.bmp"), out}),
      stroked({In("junk.bmp"), out}),
      stroked({face, In("no/such/folder/out.bmp")}),
  };
  for (const QStringList& args : bad) {
    const Outcome run = testing::RunQuillo(QStringList{"warp"} << args);
    const std::string what = args.join(' ').toStdString();
    EXPECT_EQ(run.exitCode, 2) << what;
    EXPECT_TRUE(run.err.startsWith("quillo warp: ")) << what << ": " << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(ReadFileBytes(out.toStdString()), previous) << what;
  }
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 3);  // no temporary files left
}

TEST_F(WarpCommand, HelpNamesIt) {
  const Outcome help = testing::RunQuillo({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.contains("quillo warp --stroke X,Y"));
}

}  // namespace
}  // namespace quillo
