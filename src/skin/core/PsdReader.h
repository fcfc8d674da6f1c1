#pragma once
// The skinned controls' own Photoshop reader: the merged picture at the end of
// an 8-bit RGB or multichannel PSD file, raw or run-length coded. Channels 0,
// 1 and 2 become the red, green and blue bytes of each pixel, channel 3 the
// fourth byte; further channels are read and dropped.
//
// A header it does not take throws quillo::Error(kInvalidPsd), a picture
// without pixels or beyond IsAcceptableSize a message naming its size; both
// leave the bitmap untouched and are found before anything is allocated. A
// file that ends early is no error: the pixels it does not reach stay 0.
#include <cstdint>
#include <span>
#include <string>

#include "base/Bitmap.h"

namespace quillo {

inline constexpr const char* kInvalidPsd = "Invalid PSD format";

// Replaces the bitmap with the picture in the bytes.
void LoadPSD(Bitmap& bitmap, std::span<const std::uint8_t> bytes);
// Reads the file, then the picture in it.
void LoadPSD(Bitmap& bitmap, const std::string& fileName);

}  // namespace quillo
