#pragma once
// resource.bmp: every cell of the skin layout table painted at its place.
#include <QImage>

#include "base/Bitmap.h"

namespace art {

// The sheet, kSkinSheetWidth x kSkinSheetHeight. The ground is the main
// window's art without controls, from which the opaque buttons take the
// background around them.
quillo::Bitmap PaintSkinSheet(const QImage& ground);

}  // namespace art
