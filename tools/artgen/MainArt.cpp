#include "MainArt.h"

#include <QPainter>

#include "Gloss.h"
#include "ModeButtons.h"
#include "WindowButtons.h"
#include "skin/QtRect.h"
#include "skin/core/WindowPlaces.h"

namespace art {

using quillo::InArt;
using quillo::ToRectF;

QImage PaintMainArt(const QImage& ground) {
  QImage art = ground.copy();
  QPainter p(&art);
  Smooth(p);
  const Mode modes[4] = {Mode::Warping, Mode::Morphing, Mode::Mirrors, Mode::Blending};
  for (int i = 0; i < 4; ++i)
    DrawModeButton(p, ToRectF(InArt(quillo::kModePlaces[i].button)), modes[i], Look::Quiet);
  DrawExitButton(p, ToRectF(InArt(quillo::kExitButton)), Look::Quiet);
  DrawCloseButton(p, ToRectF(InArt(quillo::kCloseButton)), Look::Quiet);
  DrawMinimizeButton(p, ToRectF(InArt(quillo::kMinimizeButton)), Look::Quiet);
  for (int i = 0; i < 4; ++i)
    DrawShortcutButton(p, ToRectF(InArt(quillo::kShortcuts[i])), i, Look::Lit);
  return art;
}

}  // namespace art
