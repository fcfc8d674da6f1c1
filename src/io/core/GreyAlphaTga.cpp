#include "GreyAlphaTga.h"

#include <algorithm>
#include <string>

#include "base/ByteCursor.h"
#include "base/Error.h"

namespace quillo {

namespace {

constexpr std::size_t kHeader = 18;
constexpr std::uint8_t kGrey = 3, kGreyRunLength = 11;
constexpr std::uint8_t kRightToLeft = 0x10, kTopToBottom = 0x20;
constexpr char kDamaged[] = "The TGA picture is damaged or ends early.";

}  // namespace

bool IsGreyAlphaTga(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kHeader && (bytes[2] == kGrey || bytes[2] == kGreyRunLength) &&
         bytes[16] == 16;
}

Bitmap DecodeGreyAlphaTga(std::span<const std::uint8_t> bytes) {
  if (!IsGreyAlphaTga(bytes)) throw Error("This is not a grey TGA picture with alpha.");
  ByteReader in(bytes, kDamaged);
  const int width = in.U16At(12), height = in.U16At(14);
  const std::uint8_t descriptor = bytes[17];
  const std::string size = "(" + std::to_string(width) + " x " + std::to_string(height) + ").";
  if (width == 0 || height == 0) throw Error("The TGA picture has no pixels " + size);
  if (!IsAcceptableSize(width, height)) throw Error("The TGA picture is too large " + size);
  // After the picture's name and a colour map, which grey pictures need not
  // have but may carry.
  const std::size_t mapEntries = in.U16At(5), mapEntryBits = bytes[7];
  in.Seek(kHeader + bytes[0] + (bytes[1] ? mapEntries * ((mapEntryBits + 7) / 8) : 0));
  const std::size_t pixels = static_cast<std::size_t>(width) * height;
  const bool runLength = bytes[2] == kGreyRunLength;
  // A run-length packet of two bytes and more codes at most 128 pixels.
  if (in.Remaining() < (runLength ? 3 * ((pixels + 127) / 128) : 2 * pixels)) in.Fail();

  Bitmap out(width, height);
  const auto put = [&](std::size_t i, std::uint8_t grey) {
    const int column = static_cast<int>(i % width), row = static_cast<int>(i / width);
    out.At(descriptor & kRightToLeft ? width - 1 - column : column,
           descriptor & kTopToBottom ? row : height - 1 - row) = MakePixel(grey, grey, grey);
  };
  for (std::size_t i = 0; i < pixels;) {
    std::size_t count = 1;
    bool repeated = false;
    if (runLength) {
      const std::uint8_t packet = in.U8();
      count = std::min<std::size_t>((packet & 0x7F) + 1u, pixels - i);
      repeated = packet & 0x80;
    }
    if (repeated) {
      const std::uint8_t grey = in.Bytes(2)[0];
      for (std::size_t k = 0; k < count; ++k) put(i + k, grey);
    } else {
      const std::span<const std::uint8_t> run = in.Bytes(2 * count);
      for (std::size_t k = 0; k < count; ++k) put(i + k, run[2 * k]);
    }
    i += count;
  }
  return out;
}

}  // namespace quillo
