#pragma once
// One history of changes for each mode screen (1 Warping, 2 Mirrors,
// 3 Morphing, 4 Blending), all in one memory budget. Warping and Mirrors show
// the same face and displacement field: a change of those on one screen
// clears the other's history, whose steps were made on what is gone.
#include <memory>

#include "base/UndoHistory.h"

namespace quillo {

class ScreenHistories {
 public:
  explicit ScreenHistories(std::size_t maxBytes = UndoBudget::kDefaultBytes) : budget_(maxBytes) {}

  // The history of screen 1 to 4; nullptr for any other.
  UndoHistory* Of(int screen);
  // Takes a step made on a screen (the home screen's, such as a face given
  // on the command line, are Warping's). faceOrField: the step changed the
  // mirror window's face or field.
  void Record(int screen, std::unique_ptr<UndoStep> step, bool faceOrField = false);

  const UndoBudget& Budget() const { return budget_; }

 private:
  UndoBudget budget_;
  UndoHistory warping_{budget_};
  UndoHistory mirrors_{budget_};
  UndoHistory morphing_{budget_};
  UndoHistory blending_{budget_};
};

}  // namespace quillo
