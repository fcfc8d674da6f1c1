#include "base/ByteCursor.h"

#include <gtest/gtest.h>

#include "base/Error.h"

namespace quillo {
namespace {

TEST(ByteCursor, WriterAndReaderAgreeOnLittleEndianValues) {
  ByteWriter w;
  w.U8(0xAB);
  w.U16(0x1234);
  w.S32(-2);
  w.U64(0x0102030405060708ull);
  w.F64(-0.1);
  const std::size_t at = w.Zeros(3);
  w.Data()[at + 1] = 9;
  const std::vector<std::uint8_t> bytes = std::move(w).Take();
  ASSERT_EQ(bytes.size(), 1u + 2 + 4 + 8 + 8 + 3);
  EXPECT_EQ(bytes[1], 0x34);  // low byte first
  EXPECT_EQ(bytes[7], 0x08);

  ByteReader r(bytes, "damaged");
  EXPECT_EQ(r.U8(), 0xAB);
  EXPECT_EQ(r.U16(), 0x1234);
  EXPECT_EQ(r.U32At(3), 0xFFFFFFFEu);  // peeking leaves the cursor alone
  EXPECT_EQ(r.S32(), -2);
  EXPECT_EQ(r.U64(), 0x0102030405060708ull);
  EXPECT_EQ(r.F64(), -0.1);
  const auto tail = r.Bytes(3);
  EXPECT_EQ(tail[1], 9);
  EXPECT_EQ(r.Remaining(), 0u);
}

TEST(ByteCursor, EveryReadPastTheEndThrowsTheReadersMessage) {
  const std::vector<std::uint8_t> bytes = {1, 2, 3};
  auto expectDamaged = [&](auto read) {
    ByteReader r(bytes, "Picture is damaged");
    r.Skip(1);
    try {
      read(r);
      ADD_FAILURE() << "read past the end";
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), "Picture is damaged");
    }
    EXPECT_EQ(r.Position(), 1u);  // a failed read consumes nothing
  };
  expectDamaged([](ByteReader& r) { r.U32(); });
  expectDamaged([](ByteReader& r) { r.F64(); });
  expectDamaged([](ByteReader& r) { r.Bytes(3); });
  expectDamaged([](ByteReader& r) { r.Skip(static_cast<std::size_t>(-1)); });
  expectDamaged([](ByteReader& r) { r.Seek(4); });
  expectDamaged([](ByteReader& r) { r.U16At(2); });
  expectDamaged([](ByteReader& r) { r.U32At(static_cast<std::size_t>(-2)); });

  ByteReader ok(bytes, "x");
  ok.Seek(3);  // the end itself is a valid position
  EXPECT_EQ(ok.Remaining(), 0u);
  EXPECT_TRUE(ok.Bytes(0).empty());
}

}  // namespace
}  // namespace quillo
