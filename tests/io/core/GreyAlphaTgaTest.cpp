#include "io/core/GreyAlphaTga.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "base/Error.h"

namespace quillo {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A 3 x 2 grey TGA with alpha: its header, then the data as given.
Bytes Tga(std::uint8_t type, std::uint8_t descriptor, const Bytes& data,
          std::uint8_t nameLength = 0) {
  const std::uint8_t header[] = {nameLength, 0, type, 0, 0, 0, 0, 0,  0,
                                 0,          0, 0,    3, 0, 2, 0, 16, descriptor};
  Bytes d(std::size(header) + nameLength + data.size(), 'n');
  std::copy(std::begin(header), std::end(header), d.begin());
  std::copy(data.begin(), data.end(), d.end() - static_cast<std::ptrdiff_t>(data.size()));
  return d;
}

Pixel Grey(int v) {
  return MakePixel(v, v, v);
}

std::string Refusal(const Bytes& bytes) {
  try {
    DecodeGreyAlphaTga(bytes);
  } catch (const Error& e) {
    return e.what();
  }
  return {};
}

TEST(GreyAlphaTga, RowsRunFromTheDescriptorsCornerRawOrRunLength) {
  // Grey 10 to 60 in stored order, each with an alpha byte that is dropped;
  // run-length coded, the first row as a literal packet, then three 40s.
  const Bytes raw = {10, 1, 20, 2, 30, 3, 40, 4, 50, 5, 60, 6};
  const Bytes runs = {0x02, 10, 1, 20, 2, 30, 3, 0x82, 40, 9};
  const int stored[2][3] = {{10, 20, 30}, {40, 50, 60}};
  for (const std::uint8_t descriptor : {0x08, 0x18, 0x28, 0x38}) {
    const Bitmap b = DecodeGreyAlphaTga(Tga(3, descriptor, raw, 2));
    const Bitmap r = DecodeGreyAlphaTga(Tga(11, descriptor, runs));
    ASSERT_EQ(b.Width(), 3);
    ASSERT_EQ(b.Height(), 2);
    for (int row = 0; row < 2; ++row)
      for (int column = 0; column < 3; ++column) {
        const int x = descriptor & 0x10 ? 2 - column : column;
        const int y = descriptor & 0x20 ? row : 1 - row;
        EXPECT_EQ(b.At(x, y), Grey(stored[row][column])) << int(descriptor) << " " << x << y;
        EXPECT_EQ(r.At(x, y), Grey(row == 0 ? stored[0][column] : 40)) << int(descriptor);
      }
  }
}

TEST(GreyAlphaTga, DamagedShortOrEmptyPicturesAreRefused) {
  const std::string damaged = "The TGA picture is damaged or ends early.";
  EXPECT_EQ(Refusal(Tga(3, 0x28, Bytes(11, 7))), damaged);
  EXPECT_EQ(Refusal(Tga(11, 0x28, {0x82, 40})), damaged);            // a run without its alpha byte
  EXPECT_EQ(Refusal(Tga(11, 0x28, {0x01, 10, 1, 20, 2})), damaged);  // four pixels missing
  Bytes empty = Tga(3, 0x28, {});
  empty[12] = 0;
  EXPECT_EQ(Refusal(empty), "The TGA picture has no pixels (0 x 2).");
  Bytes huge = Tga(11, 0x28, {0xFF, 1, 1});
  huge[12] = huge[13] = huge[14] = huge[15] = 0xFF;
  EXPECT_EQ(Refusal(huge), "The TGA picture is too large (65535 x 65535).");
  huge[12] = huge[14] = 0x40;  // 8000 x 8000 from three bytes: refused before allocating
  huge[13] = huge[15] = 0x1F;
  EXPECT_EQ(Refusal(huge), damaged);
  EXPECT_FALSE(IsGreyAlphaTga(Tga(2, 0x28, {})));  // colour
}

}  // namespace
}  // namespace quillo
