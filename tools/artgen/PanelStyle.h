#pragma once
// The look shared by all shaped panels: a dark outline, a gold rim and purple
// glass inside it, and light wells for the scales and pictures.
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace art {

// Fills the shape as a panel body. The outermost pixel is dark, so the
// panel's cut edge stays crisp over any background.
void DrawPanelBody(QPainter& painter, const QPainterPath& shape);

// A recessed light well with a thin gold edge.
void DrawWell(QPainter& painter, const QRectF& well, double radius);

// A carved groove along the path (the slider's track).
void DrawGroove(QPainter& painter, const QPainterPath& track);

}  // namespace art
