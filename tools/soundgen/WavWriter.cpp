#include "WavWriter.h"

#include <string_view>

#include "Signal.h"
#include "base/ByteCursor.h"

namespace quillo::sound {

namespace {

constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kChannels = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
constexpr std::uint32_t kFormatChunkSize = 16;
// "WAVE", the format chunk with its header, and the data chunk's header.
constexpr std::uint32_t kHeaderAfterRiff = 4 + 8 + kFormatChunkSize + 8;

void Tag(ByteWriter& out, std::string_view tag) {
  for (char c : tag) out.U8(static_cast<std::uint8_t>(c));
}

}  // namespace

std::vector<std::uint8_t> EncodeWav(std::span<const std::int16_t> samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);
  ByteWriter out;
  out.Reserve(8 + kHeaderAfterRiff + dataBytes);
  Tag(out, "RIFF");
  out.U32(kHeaderAfterRiff + dataBytes);
  Tag(out, "WAVE");
  Tag(out, "fmt ");
  out.U32(kFormatChunkSize);
  out.U16(kPcmFormat);
  out.U16(kChannels);
  out.U32(kSampleRate);
  out.U32(kSampleRate * kBlockAlign);
  out.U16(kBlockAlign);
  out.U16(kBitsPerSample);
  Tag(out, "data");
  out.U32(dataBytes);
  for (std::int16_t s : samples) out.U16(static_cast<std::uint16_t>(s));
  return std::move(out).Take();
}

}  // namespace quillo::sound
