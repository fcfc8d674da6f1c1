#pragma once
// Painting primitives shared by all the art: glossy glass, gold metal, glows,
// sparkles and captions as outlines.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace art {

// A painter on the device with anti-aliasing switched on.
void Smooth(QPainter& painter);

// The caption as an outline, centred in the box: horizontally by its advance,
// vertically by the font's ascent and descent, so captions share baselines.
QPainterPath TextPath(const QString& text, const QFont& font, const QRectF& box);

// A caption with a one-pixel drop shadow.
void DrawCaption(QPainter& painter, const QString& text, const QFont& font, const QRectF& box,
                 const QColor& fill, const QColor& shadow);

// Glass: a vertical gradient around the base colour, a bright reflection over
// the upper half, a soft light at the bottom and a dark rim. shine 0..1 scales
// the reflection.
void GlossFill(QPainter& painter, const QPainterPath& shape, const QColor& base,
               double shine = 1.0);

// Polished gold filling the shape (a ring or plate): light bands across it.
void GoldFill(QPainter& painter, const QPainterPath& shape, double brightness = 1.0);

// A soft halo around the shape, fading out over the radius.
void Glow(QPainter& painter, const QPainterPath& shape, const QColor& colour, double radius);

// A soft shadow of the shape, offset down and right.
void Shadow(QPainter& painter, const QPainterPath& shape, double offset, double radius,
            int alpha = 110);

// A four-pointed twinkle.
void Sparkle(QPainter& painter, QPointF centre, double size, const QColor& colour);

// The shape grown outward by d pixels (rounded corners).
QPainterPath Inflate(const QPainterPath& shape, double d);

// The shape shrunk inward by d pixels.
QPainterPath Deflate(const QPainterPath& shape, double d);

// A rounded rectangle path.
QPainterPath RoundRect(const QRectF& rect, double radius);

}  // namespace art
