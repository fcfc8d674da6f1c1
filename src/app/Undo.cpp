// Undo and redo on the mode screens: Ctrl+Z takes the current screen's last
// change back, Ctrl+Shift+Z or Ctrl+Y does it again. Holding a key repeats
// it. The keys work while the main window is the active window (a dialog
// open takes them away) and do nothing while a change is under way.
#include <QGuiApplication>
#include <QShortcut>

#include "TJumpForm.h"
#include "base/Handler.h"
#include "effects/TBlendForm.h"
#include "effects/TMorphForm.h"
#include "effects/TWarpWindow.h"
#include "skin/ConnectHandler.h"
#include "skin/TGraphicSlider.h"

namespace quillo {

void TJumpForm::BindUndoKeys() {
  auto* undo = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
  auto* redo = new QShortcut(this);
  redo->setKeys(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  for (QShortcut* shortcut : {undo, redo}) {
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(true);
  }
  ConnectHandler(undo, &QShortcut::activated, this, [this] { UndoClick(); });
  ConnectHandler(redo, &QShortcut::activated, this, [this] { RedoClick(); });
}

bool TJumpForm::ChangeUnderWay() const {
  if (AnimTimer.isActive() || !isEnabled() || !isActiveWindow()) return true;
  if (QGuiApplication::mouseButtons() != Qt::NoButton) return true;
  if (warpWindow_ && warpWindow_->Model().Dragging()) return true;
  if (LeftSlider->Tag == 1 || RightSlider->Tag == 1 || TrackBar->Tag == 1) return true;
  if (blendForm_ && blendForm_->Blend.Painting()) return true;
  return morphForm_ && (morphForm_->Editing.Drawing || morphForm_->Editing.DragHandle != 0);
}

void TJumpForm::UndoClick() {
  if (UndoHistory* history = Histories.Of(CurrentScreen); history && !ChangeUnderWay())
    history->Undo();
}

void TJumpForm::RedoClick() {
  if (UndoHistory* history = Histories.Of(CurrentScreen); history && !ChangeUnderWay())
    history->Redo();
}

}  // namespace quillo
