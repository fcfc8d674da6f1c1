#pragma once
// The four round mode buttons of the home screen: glass orbs in gold rings,
// each with its mode's icon.
#include <QPainter>
#include <QRectF>

#include "Looks.h"
#include "ModeIcons.h"

namespace art {

// Paints the orb centred in the button rectangle (116 x 116).
void DrawModeButton(QPainter& painter, const QRectF& button, Mode mode, Look look);

}  // namespace art
