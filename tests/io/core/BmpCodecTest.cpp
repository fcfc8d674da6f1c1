#include "io/core/BmpCodec.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/Error.h"

namespace quillo {
namespace {

Bitmap Sample(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.At(x, y) = MakePixel(x * 20, y * 30, x + y, 0x77);
  return b;
}

// Checked, so that a patch past the end fails the test instead of writing
// out of bounds.
void Put32(std::vector<std::uint8_t>& d, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) d.at(at + i) = (v >> (8 * i)) & 0xFF;
}

void ExpectInvalid(const std::vector<std::uint8_t>& bytes) {
  try {
    DecodeBmp(bytes);
    FAIL() << "accepted a damaged picture";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), kInvalidBitmap);
  }
}

TEST(BmpCodec, RoundTripsBothDepthsBottomRowFirst) {
  const Bitmap picture = Sample(5, 3);  // 5 pixels: 24-bit rows need padding
  const auto b24 = EncodeBmp(picture, 24);
  ASSERT_EQ(b24.size(), 54u + 3 * 16);
  EXPECT_EQ(b24[54], Blue(picture.At(0, 2)));  // the first stored row is the bottom one
  const BmpPicture d24 = DecodeBmp(b24);
  EXPECT_EQ(d24.bitsPerPixel, 24);
  EXPECT_EQ(d24.extent, b24.size());
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(d24.bitmap.At(x, y), ColourBits(picture.At(x, y)));

  std::array<std::uint8_t, 16> extra{};
  extra[0] = 0x13;
  extra[15] = 0x99;
  const auto b32 = EncodeBmp(picture, 32, extra);
  EXPECT_EQ(b32.size(), 54u + 5 * 3 * 4);
  const BmpPicture d32 = DecodeBmp(b32);
  EXPECT_EQ(d32.bitmap, picture);  // the fourth byte survives
  EXPECT_EQ(d32.extraHeader, extra);
}

TEST(BmpCodec, ReadsTopDownPalettedAndBitFieldPictures) {
  // 2 x 2, 8 bits, two palette entries, top-down.
  std::vector<std::uint8_t> d(54 + 8 + 8, 0);
  d[0] = 'B', d[1] = 'M';
  Put32(d, 10, 62), Put32(d, 14, 40), Put32(d, 18, 2), Put32(d, 22, static_cast<std::uint32_t>(-2));
  d[26] = 1, d[28] = 8, Put32(d, 46, 2);
  Put32(d, 54, 0x00FF0000), Put32(d, 58, 0x000000FF);  // red, blue
  d[62] = 0, d[63] = 1, d[66] = 1, d[67] = 0;
  const Bitmap b = DecodeBmp(d).bitmap;
  EXPECT_EQ(b.At(0, 0), MakePixel(255, 0, 0));
  EXPECT_EQ(b.At(1, 0), MakePixel(0, 0, 255));
  EXPECT_EQ(b.At(0, 1), MakePixel(0, 0, 255));

  // 1 x 1, 16 bits with 5-6-5 masks.
  std::vector<std::uint8_t> f(54 + 12 + 4, 0);
  f[0] = 'B', f[1] = 'M';
  Put32(f, 10, 66), Put32(f, 14, 40), Put32(f, 18, 1), Put32(f, 22, 1);
  f[26] = 1, f[28] = 16, Put32(f, 30, 3);
  Put32(f, 54, 0xF800), Put32(f, 58, 0x07E0), Put32(f, 62, 0x001F);
  f[66] = 0xE0, f[67] = 0x07;  // pure green
  EXPECT_EQ(DecodeBmp(f).bitmap.At(0, 0), MakePixel(0, 255, 0));
}

TEST(BmpCodec, RefusesDamagedAndOversizedPicturesBeforeAllocating) {
  const auto good = EncodeBmp(Sample(4, 4), 32);
  ExpectInvalid({});
  ExpectInvalid({'B', 'M'});
  auto noMagic = good;
  noMagic[0] = 'X';
  ExpectInvalid(noMagic);
  auto planes = good;
  planes[26] = 2;
  ExpectInvalid(planes);
  for (std::size_t cut : {good.size() - 1, std::size_t{60}, std::size_t{54}, std::size_t{30}})
    ExpectInvalid(std::vector<std::uint8_t>(good.begin(), good.begin() + cut));
  auto huge = good;  // claims 2^30 x 2^30 pixels in a tiny file
  Put32(huge, 18, 1u << 30);
  Put32(huge, 22, 1u << 30);
  ExpectInvalid(huge);
  auto compressed = good;
  Put32(compressed, 30, 1);  // run-length coding is not read here
  ExpectInvalid(compressed);
  auto zeroWidth = good;
  Put32(zeroWidth, 18, 0);
  ExpectInvalid(zeroWidth);
}

TEST(BmpCodec, BitFieldMasksAfterShortHeadersAreReadWithinTheData) {
  // 1 x 1, 32 bits, masks that put red in the low byte.
  for (std::uint32_t header : {40u, 44u, 51u}) {
    const std::size_t masks = 14 + header;
    std::vector<std::uint8_t> d(masks + 12 + 4, 0);
    d[0] = 'B', d[1] = 'M';
    Put32(d, 10, static_cast<std::uint32_t>(masks + 12)), Put32(d, 14, header);
    Put32(d, 18, 1), Put32(d, 22, 1), d[26] = 1, d[28] = 32, Put32(d, 30, 3);
    Put32(d, masks, 0x0000FF), Put32(d, masks + 4, 0x00FF00), Put32(d, masks + 8, 0xFF0000);
    Put32(d, masks + 12, 0x00332211);
    EXPECT_EQ(DecodeBmp(d).bitmap.At(0, 0), MakePixel(0x11, 0x22, 0x33)) << header;
    // The data ends inside the masks, or where they would begin.
    for (std::size_t cut : {masks + 8, masks})
      ExpectInvalid(std::vector<std::uint8_t>(d.begin(), d.begin() + cut));
  }
}

TEST(BmpCodec, ExtentFollowsTheDeclaredPixelDataSoPicturesCanBeChained) {
  auto first = EncodeBmp(Sample(3, 2), 32);
  const auto second = EncodeBmp(Sample(2, 2), 24);
  std::vector<std::uint8_t> both = first;
  both.insert(both.end(), second.begin(), second.end());
  const BmpPicture a = DecodeBmp(both);
  EXPECT_EQ(a.extent, first.size());
  const BmpPicture b = DecodeBmp(std::span(both).subspan(a.extent));
  EXPECT_EQ(b.bitmap.Width(), 2);
  // A zero pixel-data size means rows x padded row length.
  Put32(first, 34, 0);
  EXPECT_EQ(DecodeBmp(first).extent, first.size());
}

}  // namespace
}  // namespace quillo
