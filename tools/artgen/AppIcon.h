#pragma once
// The program's icon: the Warping mode button's orb, on a transparent ground,
// for the window, the task bar and the desktop's menus.
#include <QImage>

namespace art {

// The icon at size x size pixels (premultiplied ARGB).
QImage PaintAppIcon(int size);

}  // namespace art
