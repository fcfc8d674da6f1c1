// Ctrl+L on the Morphing screen places matching lines on both faces (the
// morph screen's PlaceAutomaticLines). Like the undo keys it works while the
// main window is active and no change is under way.
#include <QShortcut>

#include "TJumpForm.h"
#include "effects/TMorphForm.h"
#include "skin/ConnectHandler.h"

namespace quillo {

namespace {

constexpr int kMorphingScreen = 3;

}  // namespace

void TJumpForm::BindAutoLinesKey() {
  auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
  key->setContext(Qt::WindowShortcut);
  key->setAutoRepeat(false);
  ConnectHandler(key, &QShortcut::activated, this, [this] {
    if (CurrentScreen == kMorphingScreen && morphForm_ && !ChangeUnderWay())
      morphForm_->PlaceAutomaticLines();
  });
}

}  // namespace quillo
