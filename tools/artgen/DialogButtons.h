#pragma once
// The picture source and save dialogs' buttons (98 x 66, keyed on aqua):
// candy-like glass with an icon and a caption.
#include <string_view>

#include "base/Bitmap.h"

namespace art {

// The cell of the dialog button with the given control name (bFile, ...).
quillo::Bitmap PaintDialogButton(std::string_view control);

// True for the names PaintDialogButton knows.
bool IsDialogButton(std::string_view control);

}  // namespace art
