#pragma once
// The morph file (extension mph): the line count N (signed 32-bit), N line
// records of 12 little-endian doubles, then picture 1 and picture 2 as
// complete BMP files. Written pictures are 145 x 145 at 32 bits per pixel
// (84,154 bytes each), so a file of N lines has 168,312 + 96 N bytes.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "MorphModel.h"

namespace quillo {

inline constexpr const char* kInvalidMorphFile = "Morph file is not valid";

// Decodes a whole morph file and checks all of it before returning: a count
// of 0 to 1000, all records present, two readable BMP pictures (else
// "Bitmap image is not valid"). Pictures of another size or depth are fitted
// into 145 x 145 with CenterDraw on a white ground. Bytes after picture 2 are
// ignored. The frame of the result is blank.
MorphModel ParseMorphFile(std::span<const std::uint8_t> bytes);

// The file's bytes: the lines as held, both faces at 32 bits per pixel with
// their extra header bytes.
std::vector<std::uint8_t> EncodeMorphFile(const MorphModel& morph);

// ParseMorphFile of a file; "Cannot open file <path>" when it cannot be read.
MorphModel ReadMorphFile(const std::string& path);

// Writes the file through a temporary file in the same folder, so that a
// failed save keeps the old file; "Cannot create file <path>: <reason>." on failure.
void WriteMorphFile(const std::string& path, const MorphModel& morph);

}  // namespace quillo
