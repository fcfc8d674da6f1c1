#include "MainArt.h"

#include <QPainter>

#include "Gloss.h"
#include "ModeButtons.h"
#include "WindowButtons.h"
#include "WindowPlaces.h"

namespace art {

QImage PaintMainArt(const QImage& ground) {
  QImage art = ground.copy();
  QPainter p(&art);
  Smooth(p);
  const Mode modes[4] = {Mode::Warping, Mode::Morphing, Mode::Mirrors, Mode::Blending};
  for (int i = 0; i < 4; ++i)
    DrawModeButton(p, kModePlaces[i].button.translated(kFrame, kFrame), modes[i], Look::Quiet);
  DrawExitButton(p, kExit.translated(kFrame, kFrame), Look::Quiet);
  DrawCloseButton(p, kClose.translated(kFrame, kFrame), Look::Quiet);
  DrawMinimizeButton(p, kMinimize.translated(kFrame, kFrame), Look::Quiet);
  for (int i = 0; i < 4; ++i)
    DrawShortcutButton(p, kShortcuts[i].translated(kFrame, kFrame), i, Look::Lit);
  return art;
}

}  // namespace art
