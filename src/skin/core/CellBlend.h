#pragma once
// How a skinned control lays a cell over what lies behind it. Per channel
// (blue, green, red) the result is o x t / 100 + c x (100 - t) / 100, each
// quotient rounded half up and the sum limited to 255, with o the background,
// c the cell and t the transparency in percent; the background's fourth byte
// is kept. Cell pixels whose colour equals the key keep the background.
#include "base/Bitmap.h"

namespace quillo {

// No key colour: never equal to a pixel's colour bits.
constexpr Pixel kNoKey = 0xFF000000u;

// The transparency of a cell pixel of a 32-bit sheet: 100 minus its alpha
// (fourth byte) in percent, rounded half up.
constexpr int AlphaTransparency(int alpha) {
  return 100 - (200 * alpha + 255) / 510;
}

// One channel of the blend.
constexpr int BlendChannel(int o, int c, int t) {
  const int sum = (o * t + 50) / 100 + (c * (100 - t) + 50) / 100;
  return sum > 255 ? 255 : sum;
}

// Blends cell over out with the cell's top-left corner at (left, top); cell
// pixels outside out are skipped. key is a pixel colour (ColourBits) or
// kNoKey. With alphaFromCell every pixel's transparency comes from its fourth
// byte instead of `transparency`.
void BlendCell(Bitmap& out, const Bitmap& cell, int left, int top, Pixel key, int transparency,
               bool alphaFromCell);

}  // namespace quillo
