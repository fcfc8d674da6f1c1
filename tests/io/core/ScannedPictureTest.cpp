// The scanned picture's way from SANE's samples to a bitmap, and the texts a
// failed acquisition shows.
#include <gtest/gtest.h>

#include "base/Error.h"
#include "io/core/ScanErrors.h"
#include "io/core/ScannedDib.h"

namespace quillo {
namespace {

TEST(ScannedDib, GreyLineArtAndSixteenBitColourArriveTopRowFirst) {
  // 3 x 2 grey: rows padded in the bitmap to 4 bytes, bottom row first.
  ScanSamples grey{false, 8, 3, 2, 3, 0, {10, 20, 30, 40, 50, 60}};
  std::vector<std::uint8_t> dib = PackedDib(grey);
  EXPECT_EQ(dib.size(), 40u + 256 * 4 + 2 * 4);
  Bitmap b = DibToBitmap(dib);
  ASSERT_EQ(b.Width(), 3);
  EXPECT_EQ(b.At(0, 0) & 0xFFFFFF, MakePixel(10, 10, 10) & 0xFFFFFF);
  EXPECT_EQ(b.At(2, 1) & 0xFFFFFF, MakePixel(60, 60, 60) & 0xFFFFFF);

  // Line art: a set bit is black.
  ScanSamples lineArt{false, 1, 10, 1, 2, 300, {0b10000000, 0b01000000}};
  b = DibToBitmap(PackedDib(lineArt));
  EXPECT_EQ(b.At(0, 0) & 0xFFFFFF, 0u);
  EXPECT_EQ(b.At(1, 0) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(b.At(9, 0) & 0xFFFFFF, 0u);

  // 16-bit colour keeps the high byte of each little-endian sample.
  ScanSamples colour{true, 16, 1, 1, 6, 0, {0x11, 0xA0, 0x22, 0xB0, 0x33, 0xC0}};
  b = DibToBitmap(PackedDib(colour));
  EXPECT_EQ(b.At(0, 0) & 0xFFFFFF, MakePixel(0xA0, 0xB0, 0xC0) & 0xFFFFFF);

  ScanSamples shortOfSamples{true, 8, 4, 4, 12, 0, std::vector<std::uint8_t>(40)};
  EXPECT_THROW(PackedDib(shortOfSamples), Error);
  EXPECT_THROW(DibToBitmap(std::vector<std::uint8_t>(dib.begin(), dib.begin() + 60)), Error);
}

TEST(ScanErrors, ReportsCarryTheCodesOnlyForManagerAndSourceFailures) {
  const ScanCodes busy = CodesOfSaneStatus(3 /* SANE_STATUS_DEVICE_BUSY */);
  EXPECT_EQ(ScanErrorReport("Unable to open default Data Source.",
                            {seManager, busy.result, busy.condition}),
            "Unable to open default Data Source.\nSource Manager operation failed\n"
            "RC:   TWRC_FAILURE\nCC:   TWCC_MAXCONNECTIONS (DS is connected to max possible apps)");
  EXPECT_EQ(ScanErrorReport("Failed", {seNotOpen, 0, 0}),
            "Failed\nSANE session not in State 4 (Source Open)");
  EXPECT_EQ(ResultCodeText(9), "9 (undefined)");
  EXPECT_EQ(ConditionCodeText(8), "8 (undefined)");
  EXPECT_EQ(ConditionCodeText(40), "40 (undefined)");
  EXPECT_EQ(ErrorCodeText(-1), "-1 (undefined)");
  EXPECT_EQ(CodesOfSaneStatus(2 /* SANE_STATUS_CANCELLED */).result, srCancel);
  EXPECT_EQ(CodesOfSaneStatus(99).condition, scBummer);
}

}  // namespace
}  // namespace quillo
