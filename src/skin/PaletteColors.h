#pragma once
// System colours (colour values with the top bit set) read from the
// toolkit's palette, so keyed art follows the desktop's colour scheme.
namespace quillo {

// Installs the palette as the resolver of system colours.
void UsePaletteForSystemColors();

}  // namespace quillo
