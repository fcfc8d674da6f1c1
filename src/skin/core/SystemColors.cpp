#include "SystemColors.h"

#include "CellBlend.h"

namespace quillo {

namespace {

SystemColorResolver& Resolver() {
  static SystemColorResolver resolver;
  return resolver;
}

// A classic light scheme, by system colour number.
ColorRef ClassicColor(int index) {
  switch (index) {
    case 5:   // window
    case 14:  // highlighted text
      return MakeColorRef(255, 255, 255);
    case 6:   // window frame
    case 7:   // menu text
    case 8:   // window text
    case 18:  // button text
    case 21:  // 3D dark shadow
      return MakeColorRef(0, 0, 0);
    case 13:  // highlight
      return MakeColorRef(0, 0, 128);
    case 16:  // button shadow
      return MakeColorRef(128, 128, 128);
    case 20:  // button highlight
      return MakeColorRef(255, 255, 255);
    default:  // button face and the rest
      return MakeColorRef(192, 192, 192);
  }
}

}  // namespace

void SetSystemColorResolver(SystemColorResolver resolver) {
  Resolver() = std::move(resolver);
}

ColorRef ResolveColor(ColorRef c) {
  if (!IsSystemColor(c)) return c;
  const int index = static_cast<int>(c & 0xFF);
  return Resolver() ? Resolver()(index) & 0x00FFFFFFu : ClassicColor(index);
}

Pixel KeyPixelOf(ColorRef c) {
  if (c == kColorNone) return kNoKey;
  return ColorRefToPixel(ResolveColor(c));
}

}  // namespace quillo
