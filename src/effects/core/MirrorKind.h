#pragma once
// The mirror window's distortion modes, as stored in its Tag.

namespace quillo {

enum MirrorKind : int {
  WarpField = 0,  // the displacement field edited by the mouse
  Horizontal = 1,
  Vertical = 2,
  Radial = 3,
  Squeeze = 4,
};

}  // namespace quillo
