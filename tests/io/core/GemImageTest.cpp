#include "io/core/GemImage.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "base/Error.h"
#include "base/FileBytes.h"
#include "support/ScratchFolder.h"

namespace quillo {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr Pixel kBlack = MakePixel(0, 0, 0);
constexpr Pixel kWhiteRgb = MakePixel(255, 255, 255);

// A GEM IMG file: the eight header words, further header words, the data.
Bytes Gem(int planes, int width, int height, const Bytes& data,
          const std::vector<std::uint16_t>& more = {}, int patternBytes = 1) {
  Bytes d;
  const std::vector<int> words = {
      1, 8 + static_cast<int>(more.size()), planes, patternBytes, 85, 85, width, height};
  for (int w : words) d.push_back(static_cast<std::uint8_t>(w >> 8)), d.push_back(w & 0xFF);
  for (std::uint16_t w : more) d.push_back(w >> 8), d.push_back(w & 0xFF);
  d.insert(d.end(), data.begin(), data.end());
  return d;
}

void ExpectError(const Bytes& bytes, const std::string& message) {
  try {
    DecodeGemImg(bytes);
    ADD_FAILURE() << "accepted, expected: " << message;
  } catch (const Error& e) {
    EXPECT_EQ(e.what(), message);
  }
}

// 16 x 3, four planes: lines 1 and 2 show colour numbers 0 to 15 from left to
// right (one line, replicated), line 3 is black. Every kind of record.
const Bytes kColourData = {0x00, 0x00, 0xFF, 0x02,  // the next line twice
                           0x00, 0x02, 0x55,        // plane 0: pattern 55 twice
                           0x80, 0x02, 0x33, 0x33,  // plane 1: two literal bytes
                           0x00, 0x02, 0x0F,        // plane 2: pattern 0F twice
                           0x01, 0x81,              // plane 3: one byte 00, one byte FF
                           0x88};                   // line 3: FF running through all four planes

TEST(GemImage, FourPlanesUseTheDesktopColoursWithEveryKindOfRecord) {
  const Bitmap b = DecodeGemImg(Gem(4, 16, 3, kColourData));
  ASSERT_EQ(b.Width(), 16);
  ASSERT_EQ(b.Height(), 3);
  for (int y : {0, 1}) {
    EXPECT_EQ(b.At(0, y), kWhiteRgb);
    EXPECT_EQ(b.At(1, y), MakePixel(255, 0, 0));
    EXPECT_EQ(b.At(2, y), MakePixel(0, 255, 0));
    EXPECT_EQ(b.At(4, y), MakePixel(0, 0, 255));
    EXPECT_EQ(b.At(8, y), MakePixel(0x55, 0x55, 0x55));
    EXPECT_EQ(b.At(15, y), kBlack);
  }
  for (int x = 0; x < 16; ++x) EXPECT_EQ(b.At(x, 2), kBlack);
}

TEST(GemImage, XimgPaletteAndGreyRamp) {
  // "XIMG", RGB, then four colours of 0 to 1000 a component: red, half
  // green, blue, white. The line shows colour numbers 0 to 3 left to right.
  const std::vector<std::uint16_t> ximg = {
      'X' << 8 | 'I', 'M' << 8 | 'G', 0, 1000, 0, 0, 0, 500, 0, 0, 0, 1000, 1000, 1000, 1000};
  const Bytes line = {0x80, 0x02, 0x50, 0x30};
  const Bitmap b = DecodeGemImg(Gem(2, 4, 1, line, ximg));
  EXPECT_EQ(b.At(0, 0), MakePixel(255, 0, 0));
  EXPECT_EQ(b.At(1, 0), MakePixel(0, 128, 0));
  EXPECT_EQ(b.At(2, 0), MakePixel(0, 0, 255));
  EXPECT_EQ(b.At(3, 0), kWhiteRgb);

  const Bitmap grey = DecodeGemImg(Gem(2, 4, 1, line));
  EXPECT_EQ(grey.At(0, 0), kWhiteRgb);
  EXPECT_EQ(grey.At(1, 0), MakePixel(170, 170, 170));
  EXPECT_EQ(grey.At(3, 0), kBlack);

  std::vector<std::uint16_t> hls = ximg;
  hls[2] = 2;
  ExpectError(
      Gem(2, 4, 1, line, hls),
      "The GEM IMG picture describes its colours in model 2; only RGB colours can be read.");
  ExpectError(Gem(2, 4, 1, line, std::vector<std::uint16_t>(ximg.begin(), ximg.end() - 1)),
              "The GEM IMG picture is damaged (its colour table is cut short).");
}

TEST(GemImage, RefusesWhatItCannotReadBeforeAllocating) {
  const std::string notGem = "This is not a GEM IMG picture.";
  const Bytes good = Gem(4, 16, 3, kColourData);
  Bytes version = good, shortHeader = good, longHeader = good;
  version[1] = 3;
  shortHeader[3] = 7;
  longHeader[3] = 200;
  for (const Bytes& bad :
       {Bytes{}, Bytes(good.begin(), good.begin() + 15), version, shortHeader, longHeader})
    ExpectError(bad, notGem);
  ExpectError(
      Gem(24, 16, 3, kColourData),
      "The GEM IMG picture has 24 colour planes; only pictures of 1 to 8 planes can be read.");
  ExpectError(Gem(1, 0, 3, kColourData), "The GEM IMG picture has no pixels (0 x 3).");
  ExpectError(Gem(1, 65535, 65535, {0x81}), "The GEM IMG picture is too large (65535 x 65535).");
}

TEST(GemImage, DamagedOrShortDataIsAnError) {
  const Bytes good = Gem(4, 16, 3, kColourData);
  const std::pair<std::size_t, int> cuts[] = {{16, 1}, {18, 1}, {good.size() - 1, 3}};
  for (const auto& [cut, line] : cuts)
    ExpectError(Bytes(good.begin(), good.begin() + cut),
                "The GEM IMG picture ends early (in scan line " + std::to_string(line) + " of 3).");
  // A header alone that claims 8000 x 8000: refused from the data, before
  // the picture's 256 MB are allocated.
  ExpectError(Gem(1, 8000, 8000, {}), "The GEM IMG picture ends early (in scan line 1 of 8000).");
  Bytes firstLines = {0x00, 0x00, 0xFF, 0xFF};  // 255 times a line of 1000 clear bytes
  firstLines.insert(firstLines.end(), 7, 0x7F);
  firstLines.push_back(0x6F);
  ExpectError(Gem(1, 8000, 8000, firstLines),
              "The GEM IMG picture ends early (in scan line 256 of 8000).");
  ExpectError(Gem(1, 8, 1, {0x82}),
              "The GEM IMG picture is damaged (a run goes past the end of scan line 1).");
  ExpectError(Gem(1, 16, 2, {0x82, 0x81, 0x00, 0x00, 0xFF, 0x01, 0x81}),
              "The GEM IMG picture is damaged (an unknown record in scan line 2).");
  ExpectError(Gem(1, 16, 1, {0x00, 0x00, 0xFE, 0x01, 0x82}),
              "The GEM IMG picture is damaged (an unknown record in scan line 1).");
  ExpectError(Gem(1, 16, 1, {0x00, 0x02, 0xAA}, {}, 0),
              "The GEM IMG picture is damaged (a pattern run in a picture without patterns).");
}

TEST(GemImage, ReadsNetpbmsMonochromePictures) {
  if (std::system("command -v pbmtogem >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "netpbm's pbmtogem is not installed";
  const testing::ScratchFolder folder;
  // Widths that are not whole bytes, lines that repeat, long solid stretches.
  for (const auto& [w, h] : {std::pair{37, 9}, std::pair{300, 6}}) {
    const auto black = [](int x, int y) {
      return y == 3 || (y < 2 ? x < 120 : (x * y + x) % 5 < 2);
    };
    std::ofstream pbm(folder.File("in.pbm"));
    pbm << "P1\n" << w << " " << h << "\n";
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) pbm << (black(x, y) ? "1" : "0") << (x + 1 < w ? " " : "\n");
    pbm.close();
    const std::string img = folder.File("out.img");
    const std::string command = "pbmtogem '" + folder.File("in.pbm") + "' > '" + img + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const Bitmap b = DecodeGemImg(ReadFileBytes(img));
    ASSERT_EQ(b.Width(), w);
    ASSERT_EQ(b.Height(), h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(b.At(x, y), black(x, y) ? kBlack : kWhiteRgb) << w << ": " << x << ", " << y;
  }
}

}  // namespace
}  // namespace quillo
