#pragma once
// The right slider's four mirror icons: a small face on a grid, shown through
// the very mirror it stands for. The chosen icon is lit with a gold rim.
#include <QImage>

#include "skin/core/SkinLayout.h"

namespace art {

// The icon's cell: its tile painted over the panel art behind it (the icons
// are copied onto the slider without a key).
QImage PaintMirrorIcon(const quillo::MirrorIcon& icon, int kind, bool chosen,
                       const QImage& panelPatch);

}  // namespace art
