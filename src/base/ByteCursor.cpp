#include "ByteCursor.h"

#include "Error.h"

namespace quillo {

void ByteReader::Fail() const {
  throw Error(damaged_);
}

std::size_t ByteReader::Need(std::size_t count) const {
  if (count > Remaining()) Fail();
  return pos_ + count;
}

void ByteReader::Seek(std::size_t position) {
  if (position > bytes_.size()) Fail();
  pos_ = position;
}

std::span<const std::uint8_t> ByteReader::Bytes(std::size_t count) {
  const std::size_t start = pos_;
  pos_ = Need(count);
  return bytes_.subspan(start, count);
}

std::uint64_t ByteReader::Take(int count) {
  const std::uint64_t v = At(pos_, count);
  pos_ += static_cast<std::size_t>(count);
  return v;
}

std::uint64_t ByteReader::At(std::size_t position, int count) const {
  const auto n = static_cast<std::size_t>(count);
  if (position > bytes_.size() || n > bytes_.size() - position) Fail();
  std::uint64_t v = 0;
  for (int i = count - 1; i >= 0; --i)
    v = (v << 8) | bytes_[position + static_cast<std::size_t>(i)];
  return v;
}

}  // namespace quillo
