#include "DrawnFaces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>
#include <vector>

#include "common/Faces.h"

namespace clipartgen {

namespace {

constexpr double kSide = kDrawnSize;
// The face fills the middle of the picture, a little below the centre.
const QRectF kFace(28, 36, 200, 200);

QImage Canvas() {
  QImage image(kDrawnSize, kDrawnSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

}  // namespace

QImage Clown() {
  QImage image = Canvas();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 8; ++i)
    p.fillRect(QRectF(i * kSide / 8, 0, kSide / 8, kSide),
               i % 2 ? QColor(255, 230, 90) : QColor(120, 190, 255));
  // Tufts of hair on both sides, under the face's edge.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 110, 20));
  for (double side : {0.0, 1.0})
    for (int k = 0; k < 3; ++k)
      p.drawEllipse(
          QPointF(kFace.left() + side * kFace.width() + (side ? -8 : 8), kFace.top() + 60 + k * 28),
          30, 22);
  art::DrawFace(p, kFace, {QColor(255, 246, 240), QColor(0, 0, 0, 0)});
  // The red nose with a shine, and a tiny hat.
  const QPointF nose = kFace.topLeft() + QPointF(0.5 * kFace.width(), 0.58 * kFace.height());
  QRadialGradient red(nose - QPointF(5, 5), 22);
  red.setColorAt(0, QColor(255, 150, 150));
  red.setColorAt(1, QColor(210, 0, 20));
  p.setBrush(red);
  p.setPen(QPen(QColor(120, 0, 10), 2));
  p.drawEllipse(nose, 18, 18);
  QPainterPath hat;
  hat.moveTo(kFace.left() + 70, kFace.top() + 14);
  hat.lineTo(kFace.left() + 100, kFace.top() - 24);
  hat.lineTo(kFace.left() + 130, kFace.top() + 14);
  hat.closeSubpath();
  p.setBrush(QColor(40, 170, 60));
  p.setPen(QPen(QColor(10, 80, 20), 2));
  p.drawPath(hat);
  p.setBrush(QColor(255, 240, 60));
  p.drawEllipse(QPointF(kFace.left() + 100, kFace.top() - 24), 9, 9);
  return image;
}

QImage Sunny() {
  QImage image = Canvas();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, kSide);
  sky.setColorAt(0, QColor(40, 120, 230));
  sky.setColorAt(1, QColor(170, 220, 255));
  p.fillRect(image.rect(), sky);
  // Rays round the face.
  const QPointF centre = kFace.center();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 200, 40));
  for (int k = 0; k < 16; ++k) {
    const double a = k * std::numbers::pi / 8;
    const double b = a + std::numbers::pi / 32;
    const double c = a - std::numbers::pi / 32;
    QPolygonF ray;
    ray << centre + QPointF(std::cos(b), std::sin(b)) * 95
        << centre + QPointF(std::cos(a), std::sin(a)) * 140
        << centre + QPointF(std::cos(c), std::sin(c)) * 95;
    p.drawPolygon(ray);
  }
  art::DrawFace(p, kFace.adjusted(10, 10, -10, -10), {QColor(255, 214, 60), QColor(0, 0, 0, 0)});
  return image;
}

QImage Redhead() {
  QImage image = Canvas();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient pink(kSide / 2, kSide / 3, kSide);
  pink.setColorAt(0, QColor(255, 220, 235));
  pink.setColorAt(1, QColor(230, 120, 170));
  p.fillRect(image.rect(), pink);
  // Long hair falling behind the face.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(180, 60, 20));
  p.drawRoundedRect(QRectF(kFace.left() - 6, kFace.top() + 30, kFace.width() + 12, 180), 40, 40);
  art::DrawFace(p, kFace, {QColor(250, 205, 170), QColor(200, 70, 25)});
  // Freckles on both cheeks, in a fixed scatter.
  p.setBrush(QColor(170, 100, 60));
  const QPointF freckles[] = {{-10, -6}, {0, -9}, {9, -4}, {-5, 3}, {6, 5}, {-12, 6}, {13, 2}};
  for (double cheek : {0.24, 0.76})
    for (const QPointF& f : freckles)
      p.drawEllipse(kFace.topLeft() + QPointF(cheek * kFace.width(), 0.56 * kFace.height()) + f,
                    2.0, 2.0);
  return image;
}

MonoPicture Doodle() {
  QImage image(kDrawnSize, kDrawnSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    // Hard edges: every pixel is black or white before it is read back.
    QPainter p(&image);
    QPen pen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(48, 40, 160, 190));                // head
    p.drawArc(QRectF(34, 110, 28, 50), 90 * 16, 180 * 16);  // ears
    p.drawArc(QRectF(194, 110, 28, 50), -90 * 16, 180 * 16);
    QPainterPath hair;
    hair.moveTo(60, 90);
    for (int k = 0; k < 8; ++k)
      hair.quadTo(72 + k * 17, k % 2 ? 30 : 60, 80 + k * 17, k % 2 ? 70 : 50);
    p.drawPath(hair);
    p.drawArc(QRectF(82, 100, 36, 16), 20 * 16, 140 * 16);  // brows
    p.drawArc(QRectF(138, 100, 36, 16), 20 * 16, 140 * 16);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(100, 128), 6, 8);  // eyes
    p.drawEllipse(QPointF(156, 128), 6, 8);
    p.setBrush(Qt::NoBrush);
    QPainterPath nose;
    nose.moveTo(128, 135);
    nose.quadTo(118, 165, 128, 170);
    nose.quadTo(136, 172, 140, 166);
    p.drawPath(nose);
    p.drawArc(QRectF(90, 160, 76, 40), 200 * 16, 140 * 16);  // smile
  }
  MonoPicture mono{image.width(), image.height(), {}};
  mono.black.resize(static_cast<std::size_t>(mono.width) * mono.height);
  for (int y = 0; y < mono.height; ++y)
    for (int x = 0; x < mono.width; ++x)
      mono.black[static_cast<std::size_t>(y) * mono.width + x] = qGray(image.pixel(x, y)) < 128;
  return mono;
}

MonoPicture Dithered(const QImage& picture) {
  const int w = picture.width();
  const int h = picture.height();
  // Grey levels in sixteenths, so that the error spreads in whole numbers.
  std::vector<int> grey(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) grey[y * w + x] = qGray(picture.pixel(x, y)) * 16;
  MonoPicture mono{w, h, std::vector<bool>(grey.size())};
  auto spread = [&](int x, int y, int error, int weight) {
    if (x >= 0 && x < w && y < h) grey[y * w + x] += error * weight / 16;
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int value = grey[y * w + x];
      const bool black = value < 128 * 16;
      mono.black[y * w + x] = black;
      const int error = value - (black ? 0 : 255 * 16);
      spread(x + 1, y, error, 7);
      spread(x - 1, y + 1, error, 3);
      spread(x, y + 1, error, 5);
      spread(x + 1, y + 1, error, 1);
    }
  return mono;
}

}  // namespace clipartgen
