#pragma once
// The states a control's art is painted in.

namespace art {

enum class Look {
  Quiet,    // resting on the background art, not hovered
  Lit,      // hovered (or the normal cell of an always-shown button)
  Hover,    // hovered, for buttons whose normal cell is already lit
  Pressed,  // held down
};

}  // namespace art
