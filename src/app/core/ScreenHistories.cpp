#include "ScreenHistories.h"

namespace quillo {

UndoHistory* ScreenHistories::Of(int screen) {
  switch (screen) {
    case 1:
      return &warping_;
    case 2:
      return &mirrors_;
    case 3:
      return &morphing_;
    case 4:
      return &blending_;
    default:
      return nullptr;
  }
}

void ScreenHistories::Record(int screen, std::unique_ptr<UndoStep> step, bool faceOrField) {
  if (!step) return;
  UndoHistory* history = Of(screen);
  if (!history) history = &warping_;
  if (faceOrField && (history == &warping_ || history == &mirrors_))
    (history == &warping_ ? mirrors_ : warping_).Clear();
  history->Push(std::move(step));
}

}  // namespace quillo
