#pragma once
// Little-endian reading and writing of outside data. ByteReader is a cursor
// over a byte span that checks every read against the bytes present and
// throws quillo::Error with the reader's own message when one would run past
// the end, so a decoder never touches memory it was not given. ByteWriter
// appends to a growing buffer.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quillo {

// Unchecked little-endian loads and stores, for the inner loops of decoders
// over spans whose size has been checked as a whole (pixel rows).
inline std::uint32_t LoadU16(const std::uint8_t* p) {
  return p[0] | (p[1] << 8);
}
inline std::uint32_t LoadU32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline void StoreU32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

class ByteReader {
 public:
  // `damaged` is the message of the error thrown when a read runs short.
  ByteReader(std::span<const std::uint8_t> bytes, std::string damaged)
      : bytes_(bytes), damaged_(std::move(damaged)) {}

  std::size_t Size() const { return bytes_.size(); }
  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return bytes_.size() - pos_; }
  // Moves the cursor; throws when the position lies beyond the end.
  void Seek(std::size_t position);
  void Skip(std::size_t count) { Seek(Need(count)); }

  std::uint8_t U8() { return static_cast<std::uint8_t>(Take(1)); }
  std::uint16_t U16() { return static_cast<std::uint16_t>(Take(2)); }
  std::int16_t S16() { return static_cast<std::int16_t>(U16()); }
  std::uint32_t U32() { return static_cast<std::uint32_t>(Take(4)); }
  std::int32_t S32() { return static_cast<std::int32_t>(U32()); }
  std::uint64_t U64() { return Take(8); }
  double F64() { return std::bit_cast<double>(U64()); }
  // The next count bytes, as a view into the reader's span.
  std::span<const std::uint8_t> Bytes(std::size_t count);

  // Reads at a position without moving the cursor.
  std::uint16_t U16At(std::size_t position) const {
    return static_cast<std::uint16_t>(At(position, 2));
  }
  std::uint32_t U32At(std::size_t position) const {
    return static_cast<std::uint32_t>(At(position, 4));
  }

  // Throws the reader's error.
  [[noreturn]] void Fail() const;

 private:
  // The position after count more bytes; throws when they are not there.
  std::size_t Need(std::size_t count) const;
  std::uint64_t Take(int count);
  std::uint64_t At(std::size_t position, int count) const;

  std::span<const std::uint8_t> bytes_;
  std::string damaged_;
  std::size_t pos_ = 0;
};

class ByteWriter {
 public:
  void Reserve(std::size_t bytes) { bytes_.reserve(bytes); }
  std::size_t Size() const { return bytes_.size(); }

  void U8(std::uint8_t v) { bytes_.push_back(v); }
  void U16(std::uint16_t v) { Put(v, 2); }
  void U32(std::uint32_t v) { Put(v, 4); }
  void S32(std::int32_t v) { Put(static_cast<std::uint32_t>(v), 4); }
  void U64(std::uint64_t v) { Put(v, 8); }
  void F64(double v) { Put(std::bit_cast<std::uint64_t>(v), 8); }
  void Bytes(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  }
  // Appends count zero bytes and returns where they begin, for data that is
  // filled in place (pixel rows).
  std::size_t Zeros(std::size_t count) {
    const std::size_t at = bytes_.size();
    bytes_.resize(at + count, 0);
    return at;
  }
  std::uint8_t* Data() { return bytes_.data(); }

  std::vector<std::uint8_t> Take() && { return std::move(bytes_); }

 private:
  void Put(std::uint64_t v, int count) {
    for (int i = 0; i < count; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }

  std::vector<std::uint8_t> bytes_;
};

}  // namespace quillo
