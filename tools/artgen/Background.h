#pragma once
// The main window's ground: everything of main.bmp except the controls' own
// looks. The skin cells of opaque controls are cut from it, so that a lit
// button fits seamlessly into the picture around it.
#include <QImage>

namespace art {

// 640 x 480, from the window's outer corner.
QImage PaintGround();

}  // namespace art
