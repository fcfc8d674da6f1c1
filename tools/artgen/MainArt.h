#pragma once
// main.bmp: the ground with every control of the main window in its quiet look.
#include <QImage>

namespace art {

QImage PaintMainArt(const QImage& ground);

}  // namespace art
