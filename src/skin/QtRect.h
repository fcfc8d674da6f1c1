#pragma once
// The layout tables' integer rectangles as the toolkit's rectangles.
#include <QRect>
#include <QRectF>

#include "base/Rect.h"

namespace quillo {

inline QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, r.Width(), r.Height());
}

inline QRectF ToRectF(const Rect& r) {
  return QRectF(r.left, r.top, r.Width(), r.Height());
}

}  // namespace quillo
