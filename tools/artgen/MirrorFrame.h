#pragma once
// The barrel-shaped mirror in the middle of the main window: the mirror
// window's outline (its rectangle cut by a tall ellipse) and the gold frame
// around it.
#include <QPainter>
#include <QPainterPath>

namespace art {

// The mirror window's shape in art pixels.
QPainterPath BarrelPath();

// Dark glass inside the barrel and the gold-and-purple frame around it.
void DrawMirrorFrame(QPainter& painter);

}  // namespace art
