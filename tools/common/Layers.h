#pragma once
// Layers the generators paint on, and painted layers with soft edges turned
// into the keyed cells of the skin sheet.
#include <QColor>
#include <QImage>

#include "base/Bitmap.h"

namespace quillo {

// A transparent layer to paint on (premultiplied ARGB).
QImage NewLayer(int width, int height);
// An opaque canvas filled with one colour.
QImage NewCanvas(int width, int height, const QColor& fill);

// A keyed cell from a layer: pixels at least half covered become opaque (their
// soft edge mixed with the matte colour), all others the key. No opaque pixel
// is left equal to the key: such a pixel is moved by one step of blue.
Bitmap KeyOut(const QImage& layer, Pixel key, const QColor& matte);

}  // namespace quillo
