#pragma once
// The skinned controls' own Photoshop reader: the merged picture at the end of
// an 8-bit RGB or multichannel PSD file, raw or run-length coded. Channels 0,
// 1 and 2 become the red, green and blue bytes of each pixel, channel 3 the
// fourth byte; further channels are read and dropped.
//
// A header it does not take throws quillo::Error(kInvalidPsd), a picture
// without pixels or beyond IsAcceptableSize a message naming its size; both
// leave the bitmap untouched and are found before anything is allocated. A
// file that ends early is no error: the pixels it does not reach stay 0. But
// a picture of more than 65 536 pixels whose data could not hold it even at
// the best compression is refused as damaged, before it is allocated.
#include <cstdint>
#include <span>
#include <string>

#include "base/Bitmap.h"

namespace quillo {

inline constexpr const char* kInvalidPsd = "Invalid PSD format";

// False when the bytes are a Photoshop file (version 1) whose data after the
// header and sections could not hold the picture its header declares, at any
// depth and the best compression: for other readers of Photoshop files,
// which would allocate the picture first.
bool PsdDataCouldHoldPicture(std::span<const std::uint8_t> bytes);

// Replaces the bitmap with the picture in the bytes.
void LoadPSD(Bitmap& bitmap, std::span<const std::uint8_t> bytes);
// Reads the file, then the picture in it.
void LoadPSD(Bitmap& bitmap, const std::string& fileName);

}  // namespace quillo
