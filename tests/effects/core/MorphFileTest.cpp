#include "effects/core/MorphFile.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "base/Error.h"
#include "base/FileBytes.h"
#include "io/core/BmpCodec.h"
#include "skin/core/SmoothDraw.h"
#include "support/ScratchFolder.h"

namespace quillo {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t U16(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8;
}
double F64(const Bytes& b, std::size_t at) {
  std::uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = v << 8 | b[at + i];
  return std::bit_cast<double>(v);
}

Bitmap Pattern(int seed) {
  Bitmap b(kMorphSize, kMorphSize);
  for (int y = 0; y < kMorphSize; ++y)
    for (int x = 0; x < kMorphSize; ++x)
      b.At(x, y) = MakePixel(x + seed, y, (x ^ y) & 0xFF, (x + y + seed) & 0xFF);
  return b;
}

MorphModel Sample(int lines) {
  MorphModel m;
  BmpExtraHeader header1, header2;
  for (int i = 0; i < 16; ++i) {
    header1[i] = static_cast<std::uint8_t>(0x10 + i);
    header2[i] = static_cast<std::uint8_t>(0x80 + i);
  }
  m.SetFace(MorphPicture::One, Pattern(1), header1);
  m.SetFace(MorphPicture::Two, Pattern(2), header2);
  for (int i = 0; i < lines; ++i) {
    MorphLine l;
    l.Start1 = {1.0 + i, 2.5};
    l.End1 = {3, 4};
    l.Start2 = {-5, 6.25};
    l.End2 = {7, 1e10};
    l.StartNow = {0.1, 0.2};
    l.EndNow = {144, 145};
    m.AddLine(l);
  }
  return m;
}

// The offset of picture 2 in an encoded file.
std::size_t SecondPicture(int lines) {
  return 4 + 96 * lines + 84154;
}

void ExpectInvalid(const Bytes& bytes, const char* message) {
  try {
    ParseMorphFile(bytes);
    ADD_FAILURE() << "accepted, expected " << message;
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), message);
  }
}

// The files in a folder.
std::size_t FileCount(const testing::ScratchFolder& folder) {
  return std::distance(std::filesystem::directory_iterator(folder.Path()), {});
}

TEST(MorphFile, EmptyMorphIsTheCountAndTwo32BitPictures) {
  MorphModel m = Sample(0);
  const Bytes b = EncodeMorphFile(m);
  ASSERT_EQ(b.size(), 168312u);
  EXPECT_EQ(U32(b, 0), 0u);
  for (std::size_t at : {std::size_t{4}, SecondPicture(0)}) {
    EXPECT_EQ(b[at], 'B');
    EXPECT_EQ(b[at + 1], 'M');
    EXPECT_EQ(U32(b, at + 2), 84154u);
    EXPECT_EQ(U32(b, at + 6), 0u);
    EXPECT_EQ(U32(b, at + 10), 54u);
    EXPECT_EQ(U32(b, at + 14), 40u);
    EXPECT_EQ(U32(b, at + 18), 145u);
    EXPECT_EQ(U32(b, at + 22), 145u);
    EXPECT_EQ(U16(b, at + 26), 1u);
    EXPECT_EQ(U16(b, at + 28), 32u);
    EXPECT_EQ(U32(b, at + 30), 0u);
    EXPECT_EQ(U32(b, at + 34), 84100u);
  }
  EXPECT_EQ(b[4 + 38], 0x10);
  EXPECT_EQ(b[4 + 53], 0x1F);
  EXPECT_EQ(b[SecondPicture(0) + 38], 0x80);
  // Bottom row first, all four bytes of each pixel.
  EXPECT_EQ(U32(b, 4 + 54), m.SourceBitmap1().At(0, 144));
  EXPECT_EQ(U32(b, 4 + 54 + 580 * 144 + 4 * 3), m.SourceBitmap1().At(3, 0));
  EXPECT_EQ(U32(b, SecondPicture(0) + 54 + 580), m.SourceBitmap2().At(0, 143));
}

TEST(MorphFile, RecordsAreTwelveDoublesInLineOrder) {
  const MorphModel m = Sample(3);
  const Bytes b = EncodeMorphFile(m);
  ASSERT_EQ(b.size(), 168312u + 96 * 3);
  EXPECT_EQ(U32(b, 0), 3u);
  const double expected[12] = {3, 2.5, 3, 4, -5, 6.25, 7, 1e10, 0.1, 0.2, 144, 145};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(F64(b, 4 + 96 * 2 + 8 * i), expected[i]) << i;
  EXPECT_EQ(F64(b, 4), 1.0);
  EXPECT_EQ(b[4 + 96 * 3], 'B');
}

TEST(MorphFile, ReadingGivesBackWhatWasWritten) {
  const MorphModel m = Sample(5);
  const MorphModel back = ParseMorphFile(EncodeMorphFile(m));
  ASSERT_EQ(back.LineCount(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(back.Lines()[i], m.Lines()[i]);
  EXPECT_EQ(back.SourceBitmap1(), m.SourceBitmap1());  // the fourth bytes too
  EXPECT_EQ(back.SourceBitmap2(), m.SourceBitmap2());
  EXPECT_EQ(back.ExtraHeader1(), m.ExtraHeader1());
  EXPECT_EQ(back.ExtraHeader2(), m.ExtraHeader2());
  EXPECT_EQ(EncodeMorphFile(back), EncodeMorphFile(m));
}

TEST(MorphFile, DamagedFilesAreRefusedWithTheirReason) {
  const Bytes good = EncodeMorphFile(Sample(2));
  auto with = [&](std::size_t at, std::uint8_t value) {
    Bytes b = good;
    b[at] = value;
    return b;
  };
  auto cut = [&](std::size_t size) { return Bytes(good.begin(), good.begin() + size); };

  ExpectInvalid({}, kInvalidMorphFile);
  ExpectInvalid({0, 0, 0}, kInvalidMorphFile);
  ExpectInvalid(with(3, 0xFF), kInvalidMorphFile);                 // negative count
  ExpectInvalid({0xE9, 0x03, 0, 0}, kInvalidMorphFile);            // 1001 lines
  ExpectInvalid(cut(4 + 96 + 50), kInvalidMorphFile);              // records cut short
  ExpectInvalid(with(0, 3), kInvalidBitmap);                       // records read as a picture
  ExpectInvalid(with(4 + 192, 'X'), kInvalidBitmap);               // picture 1 without "BM"
  ExpectInvalid(with(SecondPicture(2) + 1, 'N'), kInvalidBitmap);  // picture 2 without "BM"
  ExpectInvalid(with(4 + 192 + 26, 2), kInvalidBitmap);            // planes 2
  ExpectInvalid(with(SecondPicture(2) + 26, 0), kInvalidBitmap);   // planes 0
  ExpectInvalid(cut(good.size() - 1), kInvalidBitmap);             // picture 2 cut short
  ExpectInvalid(cut(SecondPicture(2)), kInvalidBitmap);            // picture 2 missing
  ExpectInvalid(cut(SecondPicture(2) - 100), kInvalidBitmap);      // picture 1 cut short

  // A 44-byte header with bit-field masks, the file ending after the header.
  Bytes masks(4, 0);
  const Bytes picture = EncodeBmp(Bitmap(2, 2), 32);
  masks.insert(masks.end(), picture.begin(), picture.begin() + 58);
  masks[4 + 14] = 44;
  masks[4 + 30] = 3;
  ExpectInvalid(masks, kInvalidBitmap);

  Bytes longer = good;
  longer.insert(longer.end(), {1, 2, 3});  // bytes after picture 2 are ignored
  EXPECT_EQ(ParseMorphFile(longer).SourceBitmap2(), Sample(2).SourceBitmap2());
}

TEST(MorphFile, PicturesOfAnotherSizeOrDepthAreFittedInto145Square) {
  const Bitmap wide = [] {
    Bitmap b(200, 100);
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 200; ++x) b.At(x, y) = MakePixel(x, y, 77);
    return b;
  }();
  Bytes file(4, 0);
  const Bytes one = EncodeBmp(Sample(0).SourceBitmap1(), 24);
  const Bytes two = EncodeBmp(wide, 32);
  file.insert(file.end(), one.begin(), one.end());
  file.insert(file.end(), two.begin(), two.end());
  const MorphModel m = ParseMorphFile(file);

  Bitmap opaque = Sample(0).SourceBitmap1();  // a 24-bit picture has no fourth byte
  for (int y = 0; y < kMorphSize; ++y)
    for (int x = 0; x < kMorphSize; ++x) opaque.At(x, y) = ColourBits(opaque.At(x, y));
  EXPECT_EQ(m.SourceBitmap1(), opaque);
  Bitmap fitted(145, 145);
  CenterDraw(fitted, {0, 0, 145, 145}, wide, kBlankFace);
  EXPECT_EQ(m.SourceBitmap2(), fitted);
  EXPECT_EQ(m.SourceBitmap2().At(70, 0), kBlankFace);  // the band above the picture
}

TEST(MorphFile, FilesOnDiskAndTheirFailures) {
  const testing::ScratchFolder folder;
  const std::string path = folder.File("a.mph");
  WriteMorphFile(path, Sample(4));
  EXPECT_EQ(ReadFileBytes(path), EncodeMorphFile(Sample(4)));
  EXPECT_EQ(ReadMorphFile(path).LineCount(), 4);

  const std::string missing = folder.File("none.mph");
  EXPECT_THROW(
      {
        try {
          ReadMorphFile(missing);
        } catch (const Error& e) {
          EXPECT_EQ(e.what(), "Cannot open file " + missing);
          throw;
        }
      },
      Error);
  const std::string nowhere = folder.File("no/such/folder.mph");
  EXPECT_THROW(
      {
        try {
          WriteMorphFile(nowhere, Sample(0));
        } catch (const Error& e) {
          EXPECT_EQ(e.what(), "Cannot create file " + nowhere + ": the folder does not exist.");
          throw;
        }
      },
      Error);

  // A save that cannot replace its target leaves the target and no stray file.
  const std::string blocked = folder.File("blocked.mph");
  std::filesystem::create_directory(blocked);
  std::ofstream(blocked + "/keep") << "x";
  EXPECT_THROW(WriteMorphFile(blocked, Sample(1)), Error);
  EXPECT_TRUE(std::filesystem::exists(blocked + "/keep"));
  EXPECT_EQ(FileCount(folder), 2u);  // a.mph and blocked.mph
}

}  // namespace
}  // namespace quillo
