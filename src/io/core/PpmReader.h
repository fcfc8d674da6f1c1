#pragma once
// Reading binary PPM pictures (P6) of up to 8 bits per sample, as
// Ghostscript's ppmraw device writes them. Damage is reported as
// "PPM picture is not valid"; sizes beyond the picture limits are refused
// before anything is allocated.
#include <cstdint>
#include <span>

#include "base/Bitmap.h"

namespace quillo {

inline constexpr const char* kInvalidPpm = "PPM picture is not valid";

// The picture with fourth bytes 0.
Bitmap DecodePpm(std::span<const std::uint8_t> bytes);

}  // namespace quillo
