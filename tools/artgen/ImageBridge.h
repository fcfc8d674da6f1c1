#pragma once
// Moving pictures between the painter's QImage and the core's Bitmap, and
// turning painted layers with soft edges into keyed cells.
#include <QColor>
#include <QImage>

#include "base/Bitmap.h"

namespace art {

// A transparent layer to paint on (premultiplied ARGB).
QImage NewLayer(int width, int height);
// An opaque canvas filled with one colour.
QImage NewCanvas(int width, int height, const QColor& fill);

QImage ToImage(const quillo::Bitmap& bitmap);
// The image's colours; the fourth byte of every pixel is 0.
quillo::Bitmap ToBitmap(const QImage& image);

// A keyed cell from a layer: pixels at least half covered become opaque (their
// soft edge mixed with the matte colour), all others the key. No opaque pixel
// is left equal to the key: such a pixel is moved by one step of blue.
quillo::Bitmap KeyOut(const QImage& layer, quillo::Pixel key, const QColor& matte);

// Copies a bitmap into the sheet with its top-left corner at (left, top).
void Paste(quillo::Bitmap& sheet, int left, int top, const quillo::Bitmap& cell);

}  // namespace art
