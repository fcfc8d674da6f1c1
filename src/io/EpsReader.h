#pragma once
// Drawing EPS pictures with Ghostscript at 72 dots per inch, cropped to their
// bounding box. Ghostscript runs with -dSAFER in a child process of its own,
// one at a time, so that a PostScript program that never ends (or crashes the
// interpreter) costs a refusal after the time limit, not the program.
#include <chrono>
#include <cstdint>
#include <span>
#include <string>

#include "base/Bitmap.h"

namespace quillo {

inline constexpr std::chrono::milliseconds kEpsTimeLimit{20000};

// The picture the EPS bytes draw on white. Throws quillo::Error naming the
// file when the bounding box is missing or too large, when the PostScript
// fails (with Ghostscript's error) or takes longer than the time limit.
Bitmap ReadEps(std::span<const std::uint8_t> bytes, const std::string& name,
               std::chrono::milliseconds timeLimit = kEpsTimeLimit);

}  // namespace quillo
