#pragma once
// The morph and blend screens' "Load picture 1" and "Load picture 2" buttons
// (147 x 84), painted on their side panels.
#include <QPainter>
#include <QRectF>

#include "Looks.h"

namespace art {

void DrawLoadButton(QPainter& painter, const QRectF& button, int number, Look look);

}  // namespace art
