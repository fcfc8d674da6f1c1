#pragma once
// Distorting a painted picture: every output pixel fetches the source at a
// point given by a mapping, mixed bilinearly; outside the source is clear.
#include <QImage>
#include <QPointF>
#include <functional>

namespace art {

using Fetch = std::function<QPointF(double x, double y)>;

// The output has the source's size; the mapping gets pixel centres.
QImage Warp(const QImage& source, const Fetch& fetch);

}  // namespace art
