#pragma once
// Reading MacPaint pictures: 576 x 720 pixels of one bit (1 is black) after a
// 512-byte header, each row of 72 bytes PackBits-compressed. A 128-byte
// MacBinary header may come first. Damage and missing rows are reported as
// "MacPaint picture is not valid".
#include <cstdint>
#include <span>

#include "base/Bitmap.h"

namespace quillo {

inline constexpr const char* kInvalidMacPaint = "MacPaint picture is not valid";

// The picture in black and white, fourth bytes 0.
Bitmap DecodeMacPaint(std::span<const std::uint8_t> bytes);

}  // namespace quillo
