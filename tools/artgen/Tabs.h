#pragma once
// The Load, Save and Help tabs that slide up from the bottom edge, in their
// three cells: resting, hovered and pressed.
#include <vector>

#include "base/Bitmap.h"

namespace art {

enum class TabKind { Load, Save, Help };

// The tab's cells, keyed on aqua. Load and Save cells are 66 x 66 but shown
// squeezed into 66 x 60, with the shape cut from the unsqueezed cell: the
// cells are painted so that what appears is the intended 66 x 60 picture.
std::vector<quillo::Bitmap> PaintTabCells(TabKind kind);

}  // namespace art
