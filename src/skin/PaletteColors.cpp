#include "PaletteColors.h"

#include <QApplication>
#include <QPalette>

#include "skin/core/SystemColors.h"

namespace quillo {

namespace {

// The palette role that plays each system colour, by its number.
QPalette::ColorRole RoleOf(int index) {
  switch (index) {
    case 5:  // window
      return QPalette::Base;
    case 6:   // window frame
    case 21:  // 3D dark shadow
      return QPalette::Shadow;
    case 7:  // menu text
    case 8:  // window text
      return QPalette::WindowText;
    case 13:
      return QPalette::Highlight;
    case 14:
      return QPalette::HighlightedText;
    case 16:
      return QPalette::Dark;
    case 17:  // grey text
      return QPalette::PlaceholderText;
    case 18:
      return QPalette::ButtonText;
    case 20:
      return QPalette::Light;
    case 22:
      return QPalette::Midlight;
    case 23:
      return QPalette::ToolTipText;
    case 24:
      return QPalette::ToolTipBase;
    default:  // button face, menus, the rest
      return QPalette::Button;
  }
}

}  // namespace

void UsePaletteForSystemColors() {
  SetSystemColorResolver([](int index) {
    const QColor c = QApplication::palette().color(RoleOf(index));
    return MakeColorRef(c.red(), c.green(), c.blue());
  });
}

}  // namespace quillo
