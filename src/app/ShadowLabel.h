#pragma once
// Captions drawn with a drop shadow onto the window's art.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace quillo {

struct ShadowLabel {
  QString caption;
  QRect rect;  // the label's place and size
  QColor color;
  QColor shadow = Qt::black;
  int shadowSize = 1;
  QFont font;
};

// The window's font: a fixed sans, bold, 13 pixels high unless told otherwise.
QFont LabelFont(int pixelSize = 13);

// Writes the caption centred in the label's rectangle, shadow first; a top
// or left of -1 takes the label's own.
void DrawShadowLabel(QPainter& painter, const ShadowLabel& label, int top = -1, int left = -1);

}  // namespace quillo
