#pragma once
// Colour values with the top bit set name system colours (the low byte is
// the system colour's number); they are turned into the current RGB value
// before any comparison with pixels. The toolkit layer installs the resolver
// that reads its palette; until then a fixed classic scheme answers.
#include <functional>

#include "base/Pixel.h"

namespace quillo {

constexpr bool IsSystemColor(ColorRef c) {
  return (c & 0x80000000u) != 0 && c != kColorNone;
}

using SystemColorResolver = std::function<ColorRef(int index)>;
void SetSystemColorResolver(SystemColorResolver resolver);

// The RGB value of a colour; plain colours and none come back unchanged.
ColorRef ResolveColor(ColorRef c);

// The pixel colour a key compares with, or kNoKey for none.
Pixel KeyPixelOf(ColorRef c);

}  // namespace quillo
