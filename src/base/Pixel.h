#pragma once
// A pixel is a 32-bit value whose bytes in memory are blue, green, red and a
// fourth byte without meaning: as a number, x << 24 | red << 16 | green << 8 | blue.
#include <cstdint>

namespace quillo {

using Pixel = std::uint32_t;

constexpr Pixel kWhite = 0xFFFFFFFFu;

constexpr Pixel MakePixel(int red, int green, int blue, int fourth = 0) {
  return (static_cast<Pixel>(fourth & 0xFF) << 24) | (static_cast<Pixel>(red & 0xFF) << 16) |
         (static_cast<Pixel>(green & 0xFF) << 8) | static_cast<Pixel>(blue & 0xFF);
}
constexpr int Blue(Pixel p) {
  return static_cast<int>(p & 0xFF);
}
constexpr int Green(Pixel p) {
  return static_cast<int>((p >> 8) & 0xFF);
}
constexpr int Red(Pixel p) {
  return static_cast<int>((p >> 16) & 0xFF);
}
constexpr int Fourth(Pixel p) {
  return static_cast<int>(p >> 24);
}
constexpr Pixel ColourBits(Pixel p) {
  return p & 0x00FFFFFFu;
}

// The platform's colour value: red in the low byte, then green, then blue.
using ColorRef = std::uint32_t;
constexpr ColorRef kColorNone = 0x1FFFFFFFu;
constexpr ColorRef kAqua = 0x00FFFF00u;  // red 0, green 255, blue 255

constexpr ColorRef MakeColorRef(int red, int green, int blue) {
  return static_cast<ColorRef>(red & 0xFF) | (static_cast<ColorRef>(green & 0xFF) << 8) |
         (static_cast<ColorRef>(blue & 0xFF) << 16);
}
// The pixel with the same red, green and blue as an RGB colour value.
constexpr Pixel ColorRefToPixel(ColorRef c) {
  return MakePixel(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                   static_cast<int>((c >> 16) & 0xFF));
}

}  // namespace quillo
