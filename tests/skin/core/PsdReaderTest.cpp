#include "skin/core/PsdReader.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "base/Error.h"
#include "support/ScratchFolder.h"

namespace quillo {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutBe(Bytes& d, std::uint32_t v, int count) {
  for (int i = count - 1; i >= 0; --i) d.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A PSD file with empty colour mode data and layer sections.
Bytes Psd(int channels, std::uint32_t width, std::uint32_t height, int compression,
          const Bytes& data, const Bytes& resources = {}) {
  Bytes d = {'8', 'B', 'P', 'S', 0, 1, 0, 0, 0, 0, 0, 0};
  PutBe(d, channels, 2), PutBe(d, height, 4), PutBe(d, width, 4), PutBe(d, 8, 2), PutBe(d, 3, 2);
  PutBe(d, 0, 4);
  PutBe(d, static_cast<std::uint32_t>(resources.size()), 4);
  d.insert(d.end(), resources.begin(), resources.end());
  PutBe(d, 0, 4), PutBe(d, compression, 2);
  d.insert(d.end(), data.begin(), data.end());
  return d;
}

Bitmap Load(const Bytes& bytes) {
  Bitmap b;
  LoadPSD(b, bytes);
  return b;
}

// A 2 x 2 three-channel raw file: red 1 to 4, green 5 to 8, blue 9 to 12.
const Bytes kPlanes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

TEST(PsdReader, RawPlanesAreRedGreenBlueThenTheFourthByte) {
  const Bitmap b = Load(Psd(3, 2, 2, 0, kPlanes));
  ASSERT_EQ(b.Width(), 2);
  ASSERT_EQ(b.Height(), 2);
  EXPECT_EQ(b.At(0, 0), MakePixel(1, 5, 9));
  EXPECT_EQ(b.At(1, 0), MakePixel(2, 6, 10));
  EXPECT_EQ(b.At(0, 1), MakePixel(3, 7, 11));
  EXPECT_EQ(b.At(1, 1), MakePixel(4, 8, 12));

  Bytes five = Psd(5, 1, 1, 0, {1, 2, 3, 4, 5});
  five[25] = 7;  // multichannel: the fifth channel is read and dropped
  EXPECT_EQ(Load(five).At(0, 0), MakePixel(1, 2, 3, 4));
}

TEST(PsdReader, RunLengthRowsEachStartAFreshRun) {
  const Bytes rows = {0,    6,    0,    10,   0,    2,     // byte counts, not needed
                      0x02, 0x0A, 0x0B, 0x0C, 0xFE, 0x07,  // three literals, then 07 three times
                      0x80, 0x07, 1,    2,    3,    4,
                      5,    6,    7,    8,  // nothing, then eight literals for six pixels
                      0xFB, 0x09};          // 09 six times
  const Bitmap b = Load(Psd(1, 6, 3, 1, rows));
  const int want[3][6] = {{10, 11, 12, 7, 7, 7}, {1, 2, 3, 4, 5, 6}, {9, 9, 9, 9, 9, 9}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(b.At(x, y), MakePixel(want[y][x], 0, 0)) << x << y;
}

TEST(PsdReader, RefusalsLeaveTheBitmapUntouched) {
  const Bytes good = Psd(3, 2, 2, 0, kPlanes);
  const auto expectRefused = [](const Bytes& bytes, const std::string& message) {
    const Bitmap before(3, 1, 0x11223344);
    Bitmap b = before;
    try {
      LoadPSD(b, bytes);
      ADD_FAILURE() << "accepted " << message;
    } catch (const Error& e) {
      EXPECT_EQ(e.what(), message);
    }
    EXPECT_EQ(b, before);
  };
  Bytes grey = good, deep = good, version = good, signature = good;
  grey[25] = 1;
  deep[23] = 16;
  version[5] = 2;
  signature[3] = 'X';
  for (const Bytes& bad : {grey, deep, version, signature, Bytes(good.begin(), good.begin() + 25)})
    expectRefused(bad, kInvalidPsd);
  expectRefused(Psd(3, 0, 5, 0, kPlanes), "The Photoshop picture has no pixels (0 x 5).");
  expectRefused(Psd(3, 30001, 1, 0, {}), "The Photoshop picture is too large (30001 x 1).");
  expectRefused(Psd(3, 0x80000000, 0x80000000, 0, {}),
                "The Photoshop picture is too large (2147483648 x 2147483648).");
}

TEST(PsdReader, SkipsSectionsByTheirFullLength) {
  // 70 000 bytes: a reader that kept only 16 bits of the length would read
  // the pixels from inside the resources.
  const Bitmap b = Load(Psd(3, 2, 2, 0, kPlanes, Bytes(70000, 0xEE)));
  EXPECT_EQ(b.At(1, 1), MakePixel(4, 8, 12));
}

TEST(PsdReader, AFileThatEndsEarlyLeavesTheRestZero) {
  const Bytes good = Psd(3, 2, 2, 0, kPlanes);
  const Bitmap b = Load(Bytes(good.begin(), good.end() - 7));  // red and one green byte
  EXPECT_EQ(b.At(0, 0), MakePixel(1, 5, 0));
  EXPECT_EQ(b.At(1, 1), MakePixel(4, 0, 0));
  const Bitmap empty = Load(Bytes(good.begin(), good.begin() + 30));  // inside the sections
  EXPECT_EQ(empty, Bitmap(2, 2));
  const Bitmap runs = Load(Psd(1, 6, 1, 1, {0, 6, 0xFE, 0x07, 0x02, 0x0A}));  // inside a literal
  EXPECT_EQ(runs.At(2, 0), MakePixel(7, 0, 0));
  EXPECT_EQ(runs.At(3, 0), MakePixel(10, 0, 0));
  EXPECT_EQ(runs.At(4, 0), 0u);
}

TEST(PsdReader, APictureItsDataCannotHoldIsRefusedBeforeItIsAllocated) {
  // 300 x 300, one channel, at the best compression: three two-byte runs of
  // 128 pixels a row (the last cut at the width) after the table of counts.
  Bytes rows(600, 0);
  for (int y = 0; y < 300; ++y) rows.insert(rows.end(), {0x81, 7, 0x81, 8, 0x81, 9});
  const Bitmap b = Load(Psd(1, 300, 300, 1, rows));
  EXPECT_EQ(b.At(127, 299), MakePixel(7, 0, 0));
  EXPECT_EQ(b.At(299, 0), MakePixel(9, 0, 0));

  const Bitmap before(1, 1, 0x01020304);
  const auto expectRefused = [&](const Bytes& bytes, const std::string& size) {
    Bitmap refused = before;
    try {
      LoadPSD(refused, bytes);
      ADD_FAILURE() << "accepted " << size;
    } catch (const Error& e) {
      EXPECT_EQ(e.what(),
                "The Photoshop picture is damaged: its data is far too short for " + size + ".");
    }
    EXPECT_EQ(refused, before);
  };
  rows.pop_back();
  expectRefused(Psd(1, 300, 300, 1, rows), "300 x 300 pixels");
  const Bytes huge = Psd(3, 8000, 8000, 0, {});
  expectRefused(huge, "8000 x 8000 pixels");
  expectRefused(Bytes(huge.begin(), huge.begin() + 30), "8000 x 8000 pixels");  // in the sections
}

TEST(PsdReader, ReadsImageMagicksFilesRawAndRunLength) {
  if (std::system("command -v convert >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "ImageMagick's convert is not installed";
  const testing::ScratchFolder folder;
  const int w = 7, h = 5;
  Bitmap source(w, h);
  std::ofstream ppm(folder.File("in.ppm"), std::ios::binary);
  ppm << "P6\n" << w << " " << h << "\n255\n";
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      source.At(x, y) = MakePixel(x * 36 + y, y * 60 + 3, (x * y * 29 + 200) & 0xFF);
      ppm << static_cast<char>(Red(source.At(x, y))) << static_cast<char>(Green(source.At(x, y)))
          << static_cast<char>(Blue(source.At(x, y)));
    }
  ppm.close();
  for (const std::string compression : {"RLE", "None"}) {
    const std::string out = folder.File(compression + ".psd");
    const std::string command = "convert '" + folder.File("in.ppm") +
                                "' -type TrueColor -compress " + compression + " '" + out + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    Bitmap b;
    LoadPSD(b, out);
    EXPECT_EQ(b, source) << compression;
  }
}

}  // namespace
}  // namespace quillo
