// Every registered format read from files that other programs wrote from one
// source picture (ImageMagick's convert, netpbm, PostScript and a metafile
// written by hand), and refused with one sentence naming the file when it is
// damaged, cut short, oversized, or of a format nothing here reads.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/ByteCursor.h"
#include "base/Error.h"
#include "base/FileBytes.h"
#include "base/PictureRefusal.h"
#include "io/EpsReader.h"
#include "io/PictureFile.h"
#include "io/TLead.h"
#include "io/core/PictureFormats.h"
#include "io/core/PpmReader.h"
#include "skin/BitmapImage.h"

namespace quillo {
namespace {

constexpr int kW = 40, kH = 30;

// Twelve colours in blocks of 8 x 10 and a black diagonal: a swapped channel,
// a flipped row order or a shifted column spoils it.
Bitmap Source() {
  static constexpr std::array<Pixel, 12> kColours = {
      MakePixel(255, 0, 0),     MakePixel(0, 160, 0),    MakePixel(0, 0, 255),
      MakePixel(255, 255, 0),   MakePixel(0, 255, 255),  MakePixel(255, 0, 255),
      MakePixel(255, 255, 255), MakePixel(128, 64, 0),   MakePixel(40, 90, 200),
      MakePixel(200, 120, 150), MakePixel(90, 200, 120), MakePixel(250, 160, 40)};
  Bitmap b(kW, kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      b.At(x, y) = x == y ? MakePixel(0, 0, 0) : kColours[(x / 8 + 5 * (y / 10)) % 12];
  return b;
}

// The one-bit picture of the MacPaint and GEM IMG files: black stripes and diagonal.
bool Black(int x, int y) {
  return (x / 4 + y / 3) % 3 == 0 || x == y;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

std::vector<std::uint8_t> Ppm(const Bitmap& b) {
  auto bytes =
      Bytes("P6\n" + std::to_string(b.Width()) + " " + std::to_string(b.Height()) + "\n255\n");
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      for (const int v : {Red(b.At(x, y)), Green(b.At(x, y)), Blue(b.At(x, y))})
        bytes.push_back(static_cast<std::uint8_t>(v));
  return bytes;
}

std::vector<std::uint8_t> Pbm() {
  auto bytes = Bytes("P4\n" + std::to_string(kW) + " " + std::to_string(kH) + "\n");
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; x += 8) {
      std::uint8_t bits = 0;
      for (int i = 0; i < 8; ++i) bits |= (x + i < kW && Black(x + i, y)) << (7 - i);
      bytes.push_back(bits);
    }
  return bytes;
}

// The source as an EPS picture whose box does not start at the origin.
std::string Eps(const std::string& box = "100 200 140 230") {
  static const char* kHex = "0123456789abcdef";
  const Bitmap source = Source();
  std::string hex;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      for (const int v : {Red(source.At(x, y)), Green(source.At(x, y)), Blue(source.At(x, y))})
        hex += {kHex[v >> 4], kHex[v & 15]};
  return "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: " + box +
         "\n%%EndComments\n100 200 translate 40 30 scale\n40 30 8 [40 0 0 -30 0 30] <" + hex +
         "> false 3 colorimage\nshowpage\n%%EOF\n";
}

// A placeable metafile of 40 x 30 units at 72 to the inch: red all over, a
// green rectangle from (10, 10) to (30, 20). Each record: its size in words,
// its function, its parameters.
std::vector<std::uint8_t> Wmf(int width = kW, int height = kH) {
  std::vector<std::uint8_t> out;
  const auto word = [&out](int v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  std::vector<std::vector<int>> records = {{0x020B, 0, 0},
                                           {0x020C, height, width},
                                           {0x02FC, 0, 0x00FF, 0, 0},
                                           {0x012D, 0},
                                           {0x02FA, 5, 0, 0, 0, 0},
                                           {0x012D, 1},
                                           {0x041B, height, width, 0, 0},
                                           {0x02FC, 0, 0xFF00, 0, 0},
                                           {0x012D, 2},
                                           {0x041B, 20, 30, 10, 10},
                                           {0x0000}};
  const std::vector<int> placeable = {0xCDD7, 0x9AC6, 0, 0, 0, width, height, 72, 0, 0};
  int checksum = 0;
  for (const int w : placeable) checksum ^= w & 0xFFFF;
  for (const int w : placeable) word(w);
  word(checksum);
  std::size_t words = 9;
  for (const auto& r : records) words += r.size() + 2;
  for (const int w : {1, 9, 0x0300, int(words & 0xFFFF), int(words >> 16), 3, 8, 0, 0}) word(w);
  for (const auto& r : records) {
    word(static_cast<int>(r.size() + 2));
    word(0);
    for (const int w : r) word(w);
  }
  return out;
}

class PictureFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new QTemporaryDir;
    WriteFileAtomically(Path("source.ppm"), Ppm(Source()));
    WriteFileAtomically(Path("source.pbm"), Pbm());
    // ImageMagick 6 writes a TGA's rows top first but marks its origin as
    // the bottom left; netpbm's TGA is what the format says.
    for (const char* ext : {"bmp", "ico", "pcx", "gif", "png", "psd", "tif", "pct"})
      Run("convert", {"source.ppm", QString("picture.") + ext});
    Run("ppmtotga", {"-rgb", "source.ppm"}, "picture.tga");
    Run("convert", {"source.ppm", "-quality", "100", "-sampling-factor", "1x1", "picture.jpg"});
    Run("pbmtomacp", {"source.pbm"}, "picture.mac");
    Run("pbmtogem", {"source.pbm"}, "picture.img");
    Run("macptopbm", {"picture.mac"}, "mac-by-netpbm.pbm");
    Run("ppmtoppm", {}, "mac-by-netpbm.ppm", "mac-by-netpbm.pbm");
    WriteFileAtomically(Path("picture.eps"), Bytes(Eps()));
    WriteFileAtomically(Path("picture.wmf"), Wmf());
  }
  static void TearDownTestSuite() { delete dir_; }

  static std::string Path(const std::string& file) {
    return dir_->filePath(QString::fromStdString(file)).toStdString();
  }
  // Runs the program in the folder; warned allows the exit status 2 of a
  // netpbm program that warned about its input.
  static void Run(const QString& program, const QStringList& args, const QString& output = {},
                  const QString& input = {}, bool warned = false) {
    QProcess p;
    p.setWorkingDirectory(dir_->path());
    if (!input.isEmpty()) p.setStandardInputFile(dir_->filePath(input));
    if (!output.isEmpty()) p.setStandardOutputFile(dir_->filePath(output));
    p.start(program, args);
    ASSERT_TRUE(p.waitForFinished(30000) && (p.exitCode() == 0 || (warned && p.exitCode() == 2)))
        << program.toStdString() << " " << p.readAllStandardError().toStdString();
  }
  // The message of the error loading the file throws, empty when none.
  static std::string Refusal(const std::string& file) {
    try {
      LoadPictureFile(Path(file));
    } catch (const Error& e) {
      return e.what();
    }
    return {};
  }

  static QTemporaryDir* dir_;
};

QTemporaryDir* PictureFiles::dir_ = nullptr;

// The mean difference of the colour channels of two pictures of one size.
double MeanError(const Bitmap& a, const Bitmap& b) {
  double total = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      for (const auto channel : {Red, Green, Blue})
        total += std::abs(channel(a.At(x, y)) - channel(b.At(x, y)));
  return total / (a.Width() * a.Height() * 3.0);
}

// netpbm's reader of a format, by the tool that turns a file of it into PNM.
Bitmap ByNetpbm(const std::string& tool, const std::string& file) {
  QProcess p;
  p.start("sh", {"-c", QString::fromStdString(tool) + " \"$0\" 2>/dev/null | ppmtoppm",
                 QString::fromStdString(file)});
  if (!p.waitForFinished(30000)) return {};
  const QByteArray out = p.readAllStandardOutput();
  return DecodePpm(std::vector<std::uint8_t>(out.begin(), out.end()));
}

// Pillow's reader (Debian's python3-pil).
Bitmap ByPillow(const std::string& file) {
  QProcess p;
  p.start("/usr/bin/python3", {"-c",
                               "import sys, io; from PIL import Image; b = io.BytesIO(); "
                               "Image.open(sys.argv[1]).convert('RGB').save(b, 'PPM'); "
                               "sys.stdout.buffer.write(b.getvalue())",
                               QString::fromStdString(file)});
  if (!p.waitForFinished(30000)) return {};
  const QByteArray out = p.readAllStandardOutput();
  return DecodePpm(std::vector<std::uint8_t>(out.begin(), out.end()));
}

TEST_F(PictureFiles, EveryRegisteredFormatHasASampleReadAsASecondReaderReadsIt) {
  // The sample of each format, a second program's reading of it (empty
  // where none reads it better than the sample's own source), and how near
  // the two must be (0: exactly). A format without a sample fails here.
  struct Sample {
    std::string file;
    std::function<Bitmap(const std::string&)> second;
    double meanError = 0;
  };
  const auto netpbm = [](const char* tool) {
    return [tool](const std::string& path) { return ByNetpbm(tool, path); };
  };
  const auto qt = [](const std::string& path) {
    return ToBitmap(QImage(QString::fromStdString(path)));
  };
  const auto source = [](const std::string&) { return Source(); };
  const auto copy = [](const char* from, const char* to) {
    QFile::copy(QString::fromStdString(Path(from)), QString::fromStdString(Path(to)));
  };
  Run("convert", {"source.ppm", "-define", "webp:lossless=true", "sample.webp"});
  Run("convert", {"source.ppm", "-quality", "0", "sample.jp2"});
  Run("convert", {"source.ppm", "-quality", "95", "sample.heic"});
  Run("convert", {"source.ppm", "-quality", "95", "sample.avif"});
  copy("sample.heic", "sample.heif");
  copy("picture.jpg", "sample.jpeg");
  copy("picture.jpg", "sample.jpe");
  copy("picture.tif", "sample.tiff");
  const std::map<std::string, Sample> samples = {{"bmp", {"picture.bmp", netpbm("bmptopnm")}},
                                                 {"ico", {"picture.ico", source}},
                                                 {"wmf", {"picture.wmf", {}}},
                                                 {"emf", {"", {}}},
                                                 {"pcx", {"picture.pcx", netpbm("pcxtoppm")}},
                                                 {"gif", {"picture.gif", netpbm("giftopnm")}},
                                                 {"tga", {"picture.tga", netpbm("tgatoppm")}},
                                                 {"png", {"picture.png", netpbm("pngtopnm")}},
                                                 {"psd", {"picture.psd", ByPillow}},
                                                 {"eps", {"picture.eps", source}},
                                                 {"tif", {"picture.tif", netpbm("tifftopnm")}},
                                                 {"jpg", {"picture.jpg", netpbm("jpegtopnm")}},
                                                 {"cmp", {"", {}}},
                                                 {"mac", {"picture.mac", netpbm("macptopbm")}},
                                                 {"pct", {"picture.pct", source}},
                                                 {"img", {"picture.img", netpbm("gemtopnm")}},
                                                 {"webp", {"sample.webp", qt}},
                                                 {"heic", {"sample.heic", source, 8.0}},
                                                 {"heif", {"sample.heif", source, 8.0}},
                                                 {"avif", {"sample.avif", source, 8.0}},
                                                 {"jp2", {"sample.jp2", ByPillow}},
                                                 {"jpeg", {"sample.jpeg", netpbm("jpegtopnm")}},
                                                 {"jpe", {"sample.jpe", netpbm("jpegtopnm")}},
                                                 {"tiff", {"sample.tiff", netpbm("tifftopnm")}}};
  for (const PictureFormat& format : PictureFormats()) {
    const std::string extension(format.extension);
    const auto found = samples.find(extension);
    ASSERT_NE(found, samples.end()) << extension << ": a registered format without a sample";
    const Sample& sample = found->second;
    if (sample.file.empty()) {  // a format nothing here reads: one sentence saying so
      WriteFileAtomically(Path("face." + extension), Bytes("any bytes"));
      const std::string refusal = Refusal("face." + extension);
      EXPECT_NE(refusal.find("(." + extension + ")"), std::string::npos) << refusal;
      continue;
    }
    const Bitmap ours = LoadPictureFile(Path(sample.file));
    EXPECT_FALSE(ours.Empty()) << extension;
    if (!sample.second) continue;
    const Bitmap second = sample.second(Path(sample.file));
    ASSERT_EQ(ours.Width(), second.Width()) << extension;
    ASSERT_EQ(ours.Height(), second.Height()) << extension;
    if (sample.meanError == 0)
      EXPECT_EQ(ours, second) << extension;
    else
      EXPECT_LT(MeanError(ours, second), sample.meanError) << extension;
  }
}

TEST_F(PictureFiles, EveryFormatReadsWhatOtherProgramsWrote) {
  const Bitmap source = Source();
  for (const char* file :
       {"picture.bmp", "picture.ico", "picture.pcx", "picture.gif", "picture.tga", "picture.png",
        "picture.psd", "picture.eps", "picture.tif", "picture.pct"})
    EXPECT_EQ(LoadPictureFile(Path(file)), source) << file;

  const Bitmap jpeg = LoadPictureFile(Path("picture.jpg"));
  ASSERT_EQ(jpeg.Width(), kW);
  ASSERT_EQ(jpeg.Height(), kH);
  int total = 0, worst = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      EXPECT_EQ(Fourth(jpeg.At(x, y)), 0);
      for (const auto channel : {Red, Green, Blue}) {
        const int error = std::abs(channel(jpeg.At(x, y)) - channel(source.At(x, y)));
        total += error;
        worst = std::max(worst, error);
      }
    }
  EXPECT_LT(total / (kW * kH * 3.0), 3.0);
  EXPECT_LT(worst, 48);

  // MacPaint: the page netpbm's own reader sees, holding every black pixel.
  const Bitmap mac = LoadPictureFile(Path("picture.mac"));
  EXPECT_EQ(mac, DecodePpm(ReadFileBytes(Path("mac-by-netpbm.ppm"))));
  int black = 0, sourceBlack = 0;
  for (int y = 0; y < mac.Height(); ++y)
    for (int x = 0; x < mac.Width(); ++x) black += mac.At(x, y) == MakePixel(0, 0, 0);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) sourceBlack += Black(x, y);
  EXPECT_EQ(black, sourceBlack);
  // The same behind a MacBinary header.
  auto macBinary = ReadFileBytes(Path("picture.mac"));
  std::vector<std::uint8_t> header(128);
  header[1] = 7;
  std::copy_n("picture", 7, header.begin() + 2);
  macBinary.insert(macBinary.begin(), header.begin(), header.end());
  EXPECT_EQ(LoadPictureBytes(macBinary, "binary.MAC"), mac);

  // GEM IMG: one plane, 1 black.
  const Bitmap gem = LoadPictureFile(Path("picture.img"));
  ASSERT_EQ(gem.Width(), kW);
  ASSERT_EQ(gem.Height(), kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      ASSERT_EQ(gem.At(x, y), Black(x, y) ? MakePixel(0, 0, 0) : MakePixel(255, 255, 255))
          << x << "," << y;

  // The metafile as ImageMagick's metafile library draws it.
  const Bitmap wmf = LoadPictureFile(Path("picture.wmf"));
  ASSERT_EQ(wmf.Width(), kW);
  ASSERT_EQ(wmf.Height(), kH);
  EXPECT_EQ(wmf.At(4, 25), MakePixel(255, 0, 0));
  EXPECT_EQ(wmf.At(20, 15), MakePixel(0, 255, 0));
}

// The picture stored for one of the eight Exif orientations of the upright
// one: for 6, say, the stored rows are the upright picture's columns from the
// right, so that a viewer turns it a quarter clockwise.
Bitmap Stored(const Bitmap& upright, int orientation) {
  const int w = upright.Width(), h = upright.Height();
  const bool turned = orientation >= 5;
  Bitmap stored(turned ? h : w, turned ? w : h);
  for (int y = 0; y < stored.Height(); ++y)
    for (int x = 0; x < stored.Width(); ++x) {
      const std::array<std::pair<int, int>, 8> from = {{{x, y},
                                                        {w - 1 - x, y},
                                                        {w - 1 - x, h - 1 - y},
                                                        {x, h - 1 - y},
                                                        {y, x},
                                                        {w - 1 - y, x},
                                                        {w - 1 - y, h - 1 - x},
                                                        {y, h - 1 - x}}};
      const auto [ux, uy] = from[orientation - 1];
      stored.At(x, y) = upright.At(ux, uy);
    }
  return stored;
}

// Exif data (big-endian TIFF) holding only the orientation.
std::vector<std::uint8_t> Exif(int orientation) {
  return {'M',  'M',  0, 42, 0, 0, 0, 8, 0, 1,
          0x01, 0x12, 0, 3,  0, 0, 0, 1, 0, static_cast<std::uint8_t>(orientation),
          0,    0,    0, 0,  0, 0};
}

TEST_F(PictureFiles, TurnedOrMirroredPicturesComeInUpright) {
  const Bitmap source = Source();
  constexpr std::array<const char*, 8> kNames = {"TopLeft",     "TopRight",  "BottomRight",
                                                 "BottomLeft",  "LeftTop",   "RightTop",
                                                 "RightBottom", "LeftBottom"};
  for (int orientation = 1; orientation <= 8; ++orientation) {
    const std::string n = std::to_string(orientation);
    WriteFileAtomically(Path("stored" + n + ".ppm"), Ppm(Stored(source, orientation)));
    // A TIFF with its Orientation tag, as Qt's reader turns it too.
    const std::string tiff = "turned" + n + ".tif";
    Run("convert", {QString::fromStdString("stored" + n + ".ppm"), "-orient",
                    kNames[orientation - 1], QString::fromStdString(tiff)});
    EXPECT_EQ(LoadPictureFile(Path(tiff)), source) << tiff;
    QImageReader qt(QString::fromStdString(Path(tiff)));
    qt.setAutoTransform(true);
    EXPECT_EQ(ToBitmap(qt.read()), source) << tiff << " by Qt";

    // A phone's JPEG with the orientation in its Exif segment, and a PNG
    // with an eXIf chunk: the stored picture turned as the number says.
    Run("convert", {QString::fromStdString("stored" + n + ".ppm"), "-quality", "100",
                    "-sampling-factor", "1x1", QString::fromStdString("stored" + n + ".jpg")});
    auto jpeg = ReadFileBytes(Path("stored" + n + ".jpg"));
    const Bitmap plain = LoadPictureBytes(jpeg, "plain.jpg");
    std::vector<std::uint8_t> app1 = {0xFF, 0xE1, 0, 0, 'E', 'x', 'i', 'f', 0, 0};
    const auto exif = Exif(orientation);
    app1.insert(app1.end(), exif.begin(), exif.end());
    app1[3] = static_cast<std::uint8_t>(app1.size() - 2);
    jpeg.insert(jpeg.begin() + 2, app1.begin(), app1.end());
    const Bitmap upright = LoadPictureBytes(jpeg, "phone.jpg");
    EXPECT_EQ(Stored(upright, orientation), plain) << "phone.jpg, orientation " << n;

    Run("convert", {QString::fromStdString("stored" + n + ".ppm"),
                    QString::fromStdString("stored" + n + ".png")});
    auto png = ReadFileBytes(Path("stored" + n + ".png"));
    std::vector<std::uint8_t> chunk = {0,   0,   0,   static_cast<std::uint8_t>(exif.size()),
                                       'e', 'X', 'I', 'f'};
    chunk.insert(chunk.end(), exif.begin(), exif.end());
    chunk.insert(chunk.end(), {0, 0, 0, 0});  // a reader that checks the CRC ignores the chunk
    png.insert(png.begin() + 33, chunk.begin(), chunk.end());  // after the header chunk
    EXPECT_EQ(LoadPictureBytes(png, "exif.png"), source) << "exif.png, orientation " << n;

    // A WebP file with an EXIF chunk after its picture, the RIFF size grown.
    Run("convert", {QString::fromStdString("stored" + n + ".ppm"), "-define", "webp:lossless=true",
                    QString::fromStdString("stored" + n + ".webp")});
    auto webp = ReadFileBytes(Path("stored" + n + ".webp"));
    std::vector<std::uint8_t> exifChunk = {
        'E', 'X', 'I', 'F', static_cast<std::uint8_t>(exif.size()), 0, 0, 0};
    exifChunk.insert(exifChunk.end(), exif.begin(), exif.end());
    webp.insert(webp.end(), exifChunk.begin(), exifChunk.end());
    StoreU32(webp.data() + 4, static_cast<std::uint32_t>(webp.size() - 8));
    EXPECT_EQ(LoadPictureBytes(webp, "exif.webp"), source) << "exif.webp, orientation " << n;
  }

  // TGA's four origins, rows and columns stored from that corner.
  for (const int descriptor : {0x00, 0x10, 0x20, 0x30}) {
    std::vector<std::uint8_t> tga = {0,  0, 2,  0, 0,  0,
                                     0,  0, 0,  0, 0,  0,
                                     kW, 0, kH, 0, 24, static_cast<std::uint8_t>(descriptor)};
    for (int row = 0; row < kH; ++row)
      for (int column = 0; column < kW; ++column) {
        const int x = descriptor & 0x10 ? kW - 1 - column : column;
        const int y = descriptor & 0x20 ? row : kH - 1 - row;
        const Pixel p = source.At(x, y);
        tga.insert(tga.end(),
                   {static_cast<std::uint8_t>(Blue(p)), static_cast<std::uint8_t>(Green(p)),
                    static_cast<std::uint8_t>(Red(p))});
      }
    EXPECT_EQ(LoadPictureBytes(tga, "corner.tga"), source) << "descriptor " << descriptor;
  }
}

TEST_F(PictureFiles, EpsFilesWithoutShowpageOrWithTheirBoxAtTheEnd) {
  std::string noShowpage = Eps();
  noShowpage.erase(noShowpage.find("showpage\n"), 9);
  EXPECT_EQ(LoadPictureBytes(Bytes(noShowpage), "no-showpage.eps"), Source());
  std::string atEnd = Eps();
  const std::string box = "100 200 140 230";
  atEnd.replace(atEnd.find(box), box.size(), "(atend)");
  atEnd.insert(atEnd.find("%%EOF"), "%%Trailer\n%%BoundingBox: " + box + "\n");
  EXPECT_EQ(LoadPictureBytes(Bytes(atEnd), "at-end.eps"), Source());
}

TEST_F(PictureFiles, AJpegDecodedCompletelyDespiteAWarningLoads) {
  const auto jpeg = ReadFileBytes(Path("picture.jpg"));
  const Bitmap plain = LoadPictureBytes(jpeg, "plain.jpg");
  const auto marker = [&](std::uint8_t code) {
    const std::uint8_t pair[] = {0xFF, code};
    return std::search(jpeg.begin(), jpeg.end(), pair, pair + 2) - jpeg.begin();
  };
  // Stray bytes before the quantisation tables and before the scan, and a
  // cut Adobe segment: libjpeg warns and decodes it all.
  for (const auto& [at, stray] :
       {std::pair{marker(0xDB), std::vector<std::uint8_t>{0x00, 0x11}},
        std::pair{marker(0xDA), std::vector<std::uint8_t>{0x00, 0x11, 0x22}},
        std::pair{std::ptrdiff_t{2}, std::vector<std::uint8_t>{0xFF, 0xEE, 0x00, 0x0A, 'A', 'd',
                                                               'o', 'b', 'e', 0x00, 0x64, 0x00}}}) {
    auto warned = jpeg;
    warned.insert(warned.begin() + at, stray.begin(), stray.end());
    WriteFileAtomically(Path("warned.jpg"), warned);
    EXPECT_EQ(LoadPictureFile(Path("warned.jpg")), plain) << "stray bytes at " << at;
    Run("jpegtopnm", {"warned.jpg"}, "warned.ppm", {}, true);
    EXPECT_EQ(DecodePpm(ReadFileBytes(Path("warned.ppm"))), plain)
        << "netpbm, stray bytes at " << at;
  }
  // Scan data that is missing stays refused, with or without the end marker.
  auto cut = std::vector<std::uint8_t>(jpeg.begin(), jpeg.begin() + jpeg.size() * 2 / 3);
  WriteFileAtomically(Path("cut-scan.jpg"), cut);
  EXPECT_NE(Refusal("cut-scan.jpg"), "");
  cut.insert(cut.end(), {0xFF, 0xD9});
  WriteFileAtomically(Path("cut-scan-ended.jpg"), cut);
  EXPECT_NE(Refusal("cut-scan-ended.jpg"), "");
}

TEST_F(PictureFiles, OneBitPcxPicturesTakeTheirPalettesColours) {
  // 16 x 2: the left half of the first row and the right half of the second
  // are 1; the palette's first two colours as given.
  const auto pcx = [](std::array<std::uint8_t, 6> colours) {
    std::vector<std::uint8_t> file(128, 0);
    file[0] = 10, file[1] = 5, file[2] = 1, file[3] = 1;  // run-length coded, one bit a pixel
    file[8] = 15, file[10] = 1, file[12] = 72, file[14] = 72;
    std::copy(colours.begin(), colours.end(), file.begin() + 16);
    file[65] = 1, file[66] = 2, file[68] = 1;  // one plane of two bytes a row
    file.insert(file.end(), {0xC1, 0xFF, 0x00, 0x00, 0xC1, 0xFF});
    return file;
  };
  for (const auto& colours : {std::array<std::uint8_t, 6>{0, 0, 0, 255, 255, 255},
                              {255, 255, 255, 0, 0, 0},
                              {0, 0, 0, 0, 0, 0},
                              {10, 20, 30, 200, 100, 0}}) {
    WriteFileAtomically(Path("mono.pcx"), pcx(colours));
    Run("pcxtoppm", {"mono.pcx"}, "mono-by-netpbm.ppm");
    const Bitmap netpbm = DecodePpm(ReadFileBytes(Path("mono-by-netpbm.ppm")));
    EXPECT_EQ(LoadPictureFile(Path("mono.pcx")), netpbm)
        << int(colours[0]) << " " << int(colours[3]);
    EXPECT_NE(netpbm.At(0, 0), netpbm.At(15, 0));
  }
}

TEST_F(PictureFiles, GreyTgaWithAlphaIsGrey) {
  // The source's green as grey, with alpha, stored from the bottom left, and
  // run-length coded from the top left (a literal packet a pixel).
  const Bitmap source = Source();
  std::vector<std::uint8_t> raw = {0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, kW, 0, kH, 0, 16, 0x08};
  std::vector<std::uint8_t> runs = {0, 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0, kW, 0, kH, 0, 16, 0x28};
  Bitmap grey(kW, kH);
  for (int row = 0; row < kH; ++row)
    for (int x = 0; x < kW; ++x) {
      const auto g = [&](int y) { return static_cast<std::uint8_t>(Green(source.At(x, y))); };
      raw.insert(raw.end(), {g(kH - 1 - row), 0x80});
      runs.insert(runs.end(), {0x00, g(row), 0xFF});
      grey.At(x, row) = MakePixel(g(row), g(row), g(row));
    }
  for (const auto& [file, bytes] :
       {std::pair{"grey-alpha.tga", raw}, std::pair{"grey-alpha-runs.tga", runs}}) {
    WriteFileAtomically(Path(file), bytes);
    EXPECT_EQ(LoadPictureFile(Path(file)), grey) << file;
    // Pillow, a reader that knows these, sees the same grey.
    Run("/usr/bin/python3", {"-c",
                             "import sys; from PIL import Image; "
                             "Image.open(sys.argv[1]).convert('RGB').save(sys.argv[2])",
                             file, "grey-by-pillow.ppm"});
    EXPECT_EQ(DecodePpm(ReadFileBytes(Path("grey-by-pillow.ppm"))), grey) << file;
  }
}

// A little-endian grey TIFF of one uncompressed strip, its values packed
// from the high bits of each byte.
std::vector<std::uint8_t> GreyTiff(int bits, int photometric,
                                   const std::vector<std::vector<int>>& rows) {
  const int w = static_cast<int>(rows[0].size()), h = static_cast<int>(rows.size());
  std::vector<std::uint8_t> pixels;
  for (const auto& row : rows) {
    std::vector<std::uint8_t> packed((w * bits + 7) / 8, 0);
    for (int x = 0; x < w; ++x)
      packed[x * bits / 8] |= static_cast<std::uint8_t>(row[x] << (8 - bits - x * bits % 8));
    pixels.insert(pixels.end(), packed.begin(), packed.end());
  }
  const std::vector<std::array<int, 3>> entries = {
      {256, 3, w}, {257, 3, h},           {258, 3, bits},
      {259, 3, 1}, {262, 3, photometric}, {273, 4, 0},
      {277, 3, 1}, {278, 3, h},           {279, 4, static_cast<int>(pixels.size())}};
  std::vector<std::uint8_t> out = {'I', 'I', 42, 0, 8, 0, 0, 0};
  const auto put = [&out](std::uint32_t v, int count) {
    for (int i = 0; i < count; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  put(static_cast<std::uint32_t>(entries.size()), 2);
  const std::uint32_t start = static_cast<std::uint32_t>(8 + 2 + 12 * entries.size() + 4);
  for (const auto& [tag, type, value] : entries) {
    put(tag, 2), put(type, 2), put(1, 4);
    put(tag == 273 ? start : static_cast<std::uint32_t>(value), 4);
  }
  put(0, 4);
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

TEST_F(PictureFiles, GreyTiffsWhoseZeroIsWhiteAreNotNegatives) {
  for (const int bits : {1, 2, 4, 8}) {
    const int most = (1 << bits) - 1;
    std::vector<std::vector<int>> rows(2);
    for (int x = 0; x < 12; ++x)
      rows[0].push_back(x * most / 11), rows[1].push_back(most - x * most / 11);
    for (const int photometric : {0, 1}) {
      const std::string file =
          "grey-" + std::to_string(bits) + "-" + std::to_string(photometric) + ".tif";
      WriteFileAtomically(Path(file), GreyTiff(bits, photometric, rows));
      const Bitmap b = LoadPictureFile(Path(file));
      // Qt's reader, through libtiff's own conversion, sees the same.
      EXPECT_EQ(b, ToBitmap(QImage(QString::fromStdString(Path(file))))) << file;
      const int first = Red(b.At(0, 0));
      EXPECT_EQ(first, photometric == 0 ? 255 : 0) << file;
    }
  }
}

TEST_F(PictureFiles, AnOldStyleJpegTiffKeepsItsColours) {
  // The JPEG picture whole inside a TIFF of compression 6, as old scanners
  // and cameras wrote them: its offset in both the strip and the
  // JPEGInterchangeFormat tag, YCbCr sampled 2 x 2.
  Run("convert", {"source.ppm", "-quality", "95", "-sampling-factor", "2x2", "inside.jpg"});
  const auto jpeg = ReadFileBytes(Path("inside.jpg"));
  const std::uint32_t length = static_cast<std::uint32_t>(jpeg.size());
  const std::vector<std::array<std::uint32_t, 4>> entries = {
      // tag, type, count, value
      {256, 3, 1, kW},        {257, 3, 1, kH}, {258, 3, 3, 0}, {259, 3, 1, 6},
      {262, 3, 1, 6},         {273, 4, 1, 0},  {277, 3, 1, 3}, {278, 3, 1, kH},
      {279, 4, 1, length},    {284, 3, 1, 1},  {513, 4, 1, 0}, {514, 4, 1, length},
      {530, 3, 2, 0x00020002}};
  std::vector<std::uint8_t> tiff = {'I', 'I', 42, 0, 8, 0, 0, 0};
  const auto put = [&tiff](std::uint32_t v, int count) {
    for (int i = 0; i < count; ++i) tiff.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  const std::uint32_t after = static_cast<std::uint32_t>(8 + 2 + 12 * entries.size() + 4);
  const std::uint32_t bitsAt = after, dataAt = after + 6;
  put(static_cast<std::uint32_t>(entries.size()), 2);
  for (const auto& [tag, type, count, value] : entries) {
    put(tag, 2), put(type, 2), put(count, 4);
    put(tag == 258 ? bitsAt : tag == 273 || tag == 513 ? dataAt : value, 4);
  }
  put(0, 4);
  put(8, 2), put(8, 2), put(8, 2);
  tiff.insert(tiff.end(), jpeg.begin(), jpeg.end());
  WriteFileAtomically(Path("old-jpeg.tif"), tiff);
  const Bitmap picture = LoadPictureFile(Path("old-jpeg.tif"));
  // libtiff's reading, which Pillow shares, exactly; and the colours of the
  // JPEG's own reading on average (libtiff upsamples the colours otherwise,
  // so edges differ; colours read twice as YCbCr would be far off).
  EXPECT_EQ(picture, ByPillow(Path("old-jpeg.tif")));
  const Bitmap direct = LoadPictureFile(Path("inside.jpg"));
  for (const auto channel : {Red, Green, Blue}) {
    double sum = 0;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) sum += channel(picture.At(x, y)) - channel(direct.At(x, y));
    EXPECT_LT(std::abs(sum / (kW * kH)), 2.0);
  }
}

TEST_F(PictureFiles, AGifFrameStandsOnTheGifsScreen) {
  // The source's top left 20 x 10 as the one frame, at (5, 7) of a 40 x 30 screen.
  Run("convert",
      {"source.ppm", "-crop", "20x10+0+0", "+repage", "-repage", "40x30+5+7", "offset.gif"});
  const Bitmap gif = LoadPictureFile(Path("offset.gif"));
  Bitmap want(kW, kH, MakePixel(255, 255, 255));
  const Bitmap source = Source();
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) want.At(x + 5, y + 7) = source.At(x, y);
  EXPECT_EQ(gif, want);
  // Qt's reader places the frame the same way (the rest in its own colour).
  EXPECT_EQ(ToBitmap(QImage(QString::fromStdString(Path("offset.gif")))).Copy({5, 7, 25, 17}),
            gif.Copy({5, 7, 25, 17}));
}

// What a refusal may say after the file's name: the shared reasons, and the
// sentences of our own readers.
constexpr std::string_view kPlainReasons[] = {kDamagedPicture,
                                              kNotAPicture,
                                              kPictureTooLarge,
                                              kUnreadableVariant,
                                              "this is not a GEM IMG picture",
                                              "the GEM IMG picture ends early",
                                              "the EPS file has no bounding box"};

TEST_F(PictureFiles, DamagedOrCutFilesAreRefusedAndTheAdapterKeepsItsPicture) {
  TLead lead;
  lead.LoadFromFile(Path("picture.png"));
  for (const char* ext : {"bmp", "ico", "wmf", "pcx", "gif", "tga", "png", "psd", "eps", "tif",
                          "jpg", "mac", "pct", "img"}) {
    const auto bytes = ReadFileBytes(Path(std::string("picture.") + ext));
    auto damaged = bytes;
    const std::size_t start = std::string(ext) == "pct" ? 512 : 0;  // after PICT's free header
    for (std::size_t i = start; i < start + 64; ++i) damaged[i] ^= 0x5A;
    const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + bytes.size() / 2);
    for (const auto& [name, content] : {std::pair{"damaged", damaged}, std::pair{"cut", cut}}) {
      const std::string file = std::string(name) + "." + ext;
      WriteFileAtomically(Path(file), content);
      EXPECT_NE(Refusal(file).find(file), std::string::npos) << file << ": " << Refusal(file);
      // One plain reason, never the library's own words.
      const std::string refusal = Refusal(file);
      const std::string reason = refusal.substr(std::min(refusal.size(), refusal.find(": ") + 2));
      EXPECT_TRUE(std::any_of(std::begin(kPlainReasons), std::end(kPlainReasons),
                              [&](std::string_view r) { return reason.starts_with(r); }))
          << refusal;
      EXPECT_THROW(lead.LoadFromFile(Path(file)), Error) << file;
      EXPECT_EQ(lead.Picture(), Source()) << file;
    }
  }
}

TEST_F(PictureFiles, HugeHeadersAreRefusedWithoutDecoding) {
  // A PNG file of 100000 x 100000 pixels, with the checksums right.
  const auto crc = [](const std::vector<std::uint8_t>& data) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (const std::uint8_t byte : data) {
      c ^= byte;
      for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
  };
  const auto bigEndian = [](std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
      out.push_back(static_cast<std::uint8_t>(v >> shift));
  };
  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
  std::vector<std::uint8_t> ihdr = {'I', 'H', 'D', 'R'};
  bigEndian(ihdr, 100000);
  bigEndian(ihdr, 100000);
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
  png.insert(png.end(), ihdr.begin(), ihdr.end());
  bigEndian(png, crc(ihdr));
  png.resize(png.size() + 64, 0);

  std::vector<std::uint8_t> tga = {0, 0, 2, 0,    0,    0,    0,    0,  0,
                                   0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 24, 0x20};
  tga.resize(4096, 0x80);
  std::vector<std::uint8_t> gif = Bytes("GIF89a");
  gif.insert(gif.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, ',',  0,    0, 0,  0,
                         0xFF, 0xFF, 0xFF, 0xFF, 0, 2, 2, 0x4C, 0x01, 0, ';'});
  std::vector<std::uint8_t> psd = Bytes("8BPS");
  psd.insert(psd.end(), {0, 1, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0x75, 0x30, 0, 0, 0x75, 0x30,
                         0, 8, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0,    0,    0, 0, 0,    0});
  psd.resize(4096, 0);
  // 8000 x 8000 declared, and no pixel data at all.
  std::vector<std::uint8_t> psdBomb = Bytes("8BPS");
  psdBomb.insert(psdBomb.end(), {0, 1, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0x1F, 0x40, 0, 0, 0x1F, 0x40,
                                 0, 8, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0,    0,    0, 0, 0,    1});

  // A frame of 2 x 2 on a screen of 65535 x 65535.
  Run("convert", {"-size", "2x2", "xc:red", "small.gif"});
  auto screen = ReadFileBytes(Path("small.gif"));
  std::fill_n(screen.begin() + 6, 4, 0xFF);

  rusage before{}, after{};
  getrusage(RUSAGE_SELF, &before);
  const std::pair<std::string, std::vector<std::uint8_t>> huge[] = {
      {"huge.png", png},
      {"huge.tga", tga},
      {"huge.gif", gif},
      {"huge-screen.gif", screen},
      {"huge.psd", psd},
      {"bomb.psd", psdBomb},
      {"huge.eps", Bytes(Eps("0 0 100000 100000"))},
      {"huge.wmf", Wmf(30000, 30000)}};
  for (const auto& [name, bytes] : huge) {
    try {
      LoadPictureBytes(bytes, name);
      ADD_FAILURE() << name << " was read";
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
      if (name == "huge.eps") {  // refused before Ghostscript runs
        EXPECT_STREQ(e.what(), "Cannot read picture huge.eps: the picture is too large.");
      }
    }
  }
  getrusage(RUSAGE_SELF, &after);
  EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024) << "kilobytes";
}

TEST_F(PictureFiles, ExtensionsChooseTheReader) {
  const auto refusal = [](const std::vector<std::uint8_t>& bytes, const std::string& name) {
    try {
      LoadPictureBytes(bytes, name);
    } catch (const Error& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  const auto jpeg = ReadFileBytes(Path("picture.jpg"));
  EXPECT_EQ(refusal(jpeg, "face.jfif"), "Unknown picture file extension (.jfif)");
  EXPECT_EQ(refusal(jpeg, "folder.d/face"), "Unknown picture file extension ()");
  EXPECT_EQ(Refusal("missing.Jfif"), "Unknown picture file extension (.Jfif)");  // before opening
  EXPECT_EQ(LoadPictureBytes(ReadFileBytes(Path("picture.png")), "Face.PNG"), Source());
  EXPECT_NE(refusal(jpeg, "face.png"), "");  // the extension's reader, not a guess

  EXPECT_EQ(refusal(jpeg, "face.cmp"),
            "LEAD CMP pictures (.cmp) are not supported: no library on this system reads that "
            "format.");
  EXPECT_EQ(refusal(jpeg, "face.emf"),
            "Enhanced Windows metafiles (.emf) cannot be read on this system.");
}

TEST_F(PictureFiles, PostScriptThatNeverEndsIsStoppedAtTheTimeLimit) {
  const auto start = std::chrono::steady_clock::now();
  try {
    ReadEps(Bytes("%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 10 10\n{} loop\n"), "loop.eps",
            std::chrono::milliseconds(500));
    ADD_FAILURE() << "read";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Cannot read picture loop.eps: Ghostscript took too long to draw it.");
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  try {
    ReadEps(Bytes("%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 10 10\nnosuchword\n"), "bad.eps");
    ADD_FAILURE() << "read";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(),
                 "Cannot read picture bad.eps: its PostScript program stops with an error.");
  }
}

}  // namespace
}  // namespace quillo
