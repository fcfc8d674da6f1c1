#include "Background.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cstdint>

#include "Gloss.h"
#include "MirrorFrame.h"
#include "Palette.h"
#include "common/Layers.h"
#include "skin/QtRect.h"
#include "skin/core/WindowPlaces.h"

namespace art {

namespace {

using quillo::InArt;
using quillo::kFrame;
using quillo::kWindowHeight;
using quillo::kWindowWidth;
using quillo::RectOfSize;
using quillo::ToRectF;

// A fixed-seed generator, so the scattered bubbles land in the same place every run.
class Dice {
 public:
  double Next() {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<double>(state_ >> 11) / 9007199254740992.0;
  }

 private:
  std::uint64_t state_ = 0x5eed1234abcdull;
};

void Sky(QPainter& p) {
  QRadialGradient sky(QPointF(320, 215), 430);
  sky.setColorAt(0.0, QColor(24, 110, 196));
  sky.setColorAt(0.45, kGround);
  sky.setColorAt(1.0, kGroundDeep);
  p.fillRect(QRectF(0, 0, kWindowWidth, kWindowHeight), sky);

  // Two broad violet ribbons sweeping behind everything.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 2; ++i) {
    QPainterPath ribbon;
    const double o = i * 46;
    ribbon.moveTo(-20, 300 + o);
    ribbon.cubicTo(160, 180 + o, 420, 470 + o, 660, 250 + o);
    ribbon.lineTo(660, 300 + o);
    ribbon.cubicTo(420, 520 + o, 160, 230 + o, -20, 350 + o);
    ribbon.closeSubpath();
    QColor c = i == 0 ? QColor(150, 80, 230, 38) : QColor(90, 200, 255, 26);
    p.setBrush(c);
    p.drawPath(ribbon);
  }
  // Soft light falling from the upper left.
  for (int i = 0; i < 3; ++i) {
    QPainterPath beam;
    beam.moveTo(60 + i * 120, 0);
    beam.lineTo(130 + i * 120, 0);
    beam.lineTo(-40 + i * 120, 480);
    beam.lineTo(-120 + i * 120, 480);
    beam.closeSubpath();
    p.setBrush(QColor(255, 255, 255, 7));
    p.drawPath(beam);
  }
}

void Bubbles(QPainter& p) {
  Dice dice;
  for (int i = 0; i < 46; ++i) {
    const double x = 10 + dice.Next() * 620;
    const double y = 45 + dice.Next() * 425;
    const double r = 1.5 + dice.Next() * dice.Next() * 9;
    const int alpha = 30 + static_cast<int>(dice.Next() * 50);
    QRadialGradient g(QPointF(x - r * 0.35, y - r * 0.35), r * 1.2);
    g.setColorAt(0, QColor(255, 255, 255, alpha + 40));
    g.setColorAt(0.5, QColor(140, 210, 255, alpha / 2));
    g.setColorAt(1, QColor(140, 210, 255, 0));
    p.setPen(QPen(QColor(170, 220, 255, alpha), 0.8));
    p.setBrush(g);
    p.drawEllipse(QPointF(x, y), r, r);
  }
}

// A dark wave along the bottom on which the exit and shortcut buttons sit.
void Floor(QPainter& p) {
  QPainterPath wave;
  wave.moveTo(0, 412);
  wave.cubicTo(150, 372, 250, 420, 330, 402);
  wave.cubicTo(430, 380, 520, 372, 640, 398);
  wave.lineTo(640, 480);
  wave.lineTo(0, 480);
  wave.closeSubpath();
  QLinearGradient g(QPointF(0, 380), QPointF(0, 480));
  g.setColorAt(0, QColor(60, 20, 120, 150));
  g.setColorAt(1, QColor(10, 4, 40, 220));
  p.setPen(QPen(QColor(180, 140, 255, 90), 1.5));
  p.setBrush(g);
  p.drawPath(wave);
}

void TitleStrip(QPainter& p) {
  const QRectF strip = ToRectF(InArt(RectOfSize(12, 9, 606, 30)));
  const QPainterPath bar = RoundRect(strip, 15);
  Shadow(p, bar, 2, 4);
  GlossFill(p, bar, QColor(22, 14, 70), 0.55);
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGold, 1.6));
  p.drawPath(RoundRect(strip.adjusted(1, 1, -1, -1), 14));
  p.restore();

  // The nameplate under the title, darker still so that yellow reads well.
  const QRectF plate = ToRectF(InArt(RectOfSize(210, 12, 214, 23)));
  p.save();
  QLinearGradient well(plate.topLeft(), plate.bottomLeft());
  well.setColorAt(0, QColor(0, 0, 8));
  well.setColorAt(1, QColor(16, 8, 44));
  p.setPen(QPen(QColor(255, 210, 90, 150), 1));
  p.setBrush(well);
  p.drawRoundedRect(plate, 11, 11);
  p.restore();
  for (double x : {plate.left() - 12, plate.right() + 12})
    Sparkle(p, QPointF(x, plate.center().y()), 7, kGoldLight);
  // Gold studs along the strip.
  p.save();
  p.setPen(Qt::NoPen);
  // Studs on both sides, clear of the nameplate and the window buttons.
  for (int i = 0; i < 9; ++i) {
    const double x = kFrame + (i < 5 ? 70 + 26 * i : 448 + 26 * (i - 5));
    QRadialGradient stud(QPointF(x - 1, strip.center().y() - 1), 3.5);
    stud.setColorAt(0, kGoldLight);
    stud.setColorAt(1, kGoldDeep);
    p.setBrush(stud);
    p.drawEllipse(QPointF(x, strip.center().y()), 2.6, 2.6);
  }
  p.restore();
}

// Quiet dark plates under the mode captions, which the program writes in silver.
void CaptionPlates(QPainter& p) {
  for (const quillo::ModePlace& place : quillo::kModePlaces) {
    const QRectF r = ToRectF(InArt(place.caption)).adjusted(-2, -1, 2, 1);
    p.save();
    p.setPen(QPen(QColor(140, 170, 255, 70), 1));
    p.setBrush(QColor(0, 12, 40, 170));
    p.drawRoundedRect(r, 9, 9);
    p.restore();
  }
}

// Sockets in which the mode buttons sit.
void Sockets(QPainter& p) {
  for (const quillo::ModePlace& place : quillo::kModePlaces) {
    const QRectF b = ToRectF(InArt(place.button));
    QPainterPath socket;
    socket.addEllipse(b.center(), 55, 55);
    p.save();
    QRadialGradient g(b.center(), 58);
    g.setColorAt(0.80, QColor(0, 10, 40, 160));
    g.setColorAt(0.93, QColor(0, 10, 40, 90));
    g.setColorAt(1.0, QColor(0, 10, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(b.center(), 58, 58);
    p.restore();
  }
}

// The groove of the morph screen's slider under the mirror.
void TrackGroove(QPainter& p) {
  const QRectF track = ToRectF(InArt(quillo::kTrackBar));
  const QRectF groove(track.left() + 4, track.center().y() - 2.5, track.width() - 8, 5);
  p.save();
  p.setPen(QPen(QColor(120, 160, 255, 120), 1));
  p.setBrush(QColor(0, 6, 26));
  p.drawRoundedRect(groove, 2.5, 2.5);
  p.restore();
  for (double x : {groove.left(), groove.right()}) {
    QPainterPath cap;
    cap.addEllipse(QPointF(x, groove.center().y()), 4.5, 4.5);
    GoldFill(p, cap);
  }
}

// The window's own frame: raised outside, sunken towards the client area.
void WindowFrame(QPainter& p) {
  const QColor rings[kFrame] = {QColor(130, 180, 240), QColor(60, 110, 190), QColor(30, 70, 140),
                                QColor(10, 30, 80), QColor(0, 10, 40)};
  const QColor darks[kFrame] = {QColor(0, 16, 50), QColor(10, 40, 100), QColor(30, 70, 140),
                                QColor(80, 130, 210), QColor(120, 170, 235)};
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int i = 0; i < kFrame; ++i) {
    const int w = kWindowWidth - 2 * i, h = kWindowHeight - 2 * i;
    p.fillRect(i, i, w, 1, rings[i]);
    p.fillRect(i, i, 1, h, rings[i]);
    p.fillRect(i, i + h - 1, w, 1, darks[i]);
    p.fillRect(i + w - 1, i, 1, h, darks[i]);
  }
  p.restore();
}

}  // namespace

QImage PaintGround() {
  QImage ground = quillo::NewCanvas(kWindowWidth, kWindowHeight, kGround);
  QPainter p(&ground);
  Smooth(p);
  Sky(p);
  Bubbles(p);
  Floor(p);
  Sockets(p);
  CaptionPlates(p);
  DrawMirrorFrame(p);
  TrackGroove(p);
  TitleStrip(p);
  WindowFrame(p);
  return ground;
}

}  // namespace art
