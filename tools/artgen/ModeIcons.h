#pragma once
// The icons of the four modes, each painted into a square: a smeared face
// (Warping), two faces merging (Morphing), a hand mirror (Mirrors) and a
// paint brush (Blending).
#include <QPainter>
#include <QRectF>

namespace art {

enum class Mode { Warping, Morphing, Mirrors, Blending };

void DrawModeIcon(QPainter& painter, const QRectF& square, Mode mode);

}  // namespace art
