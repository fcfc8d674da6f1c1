#pragma once
// The little cartoon face that the icons show and distort and the clip-art
// faces are drawn with.
#include <QColor>
#include <QPainter>
#include <QRectF>

namespace art {

struct FaceLook {
  QColor skin;
  QColor hair;  // no hair when transparent
};

// Paints a round, smiling face filling the rectangle.
void DrawFace(QPainter& painter, const QRectF& r, const FaceLook& look);

}  // namespace art
