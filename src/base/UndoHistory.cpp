#include "UndoHistory.h"

#include <algorithm>
#include <utility>

namespace quillo {

void UndoBudget::Enforce(const UndoHistory& keep) {
  while (bytes_ > maxBytes_) {
    // The history whose oldest step is oldest, among those holding more than
    // kKeptSteps, or else among all; never the step just pushed.
    UndoHistory* victim = nullptr;
    for (const bool longOnly : {true, false}) {
      for (UndoHistory* h : histories_) {
        const std::size_t droppable = h->steps_.size() - (h == &keep ? 1 : 0);
        if (droppable == 0 || (longOnly && h->steps_.size() <= kKeptSteps)) continue;
        if (!victim || h->steps_.front().pushed < victim->steps_.front().pushed) victim = h;
      }
      if (victim) break;
    }
    if (!victim) return;  // only the newest step is left, larger than the budget
    victim->DropOldest();
  }
}

UndoHistory::UndoHistory(UndoBudget& budget, std::size_t maxSteps)
    : budget_(budget), maxSteps_(std::max<std::size_t>(maxSteps, 1)) {
  budget_.histories_.push_back(this);
}

UndoHistory::~UndoHistory() {
  Clear();
  std::erase(budget_.histories_, this);
}

void UndoHistory::DropOldest() {
  // With nothing done, the oldest step is the next to redo: the one that
  // would be redone last goes instead, so that redoing stays in order.
  const auto at = done_ > 0 ? steps_.begin() : steps_.end() - 1;
  bytes_ -= at->bytes;
  budget_.bytes_ -= at->bytes;
  steps_.erase(at);
  if (done_ > 0) --done_;
}

void UndoHistory::DropRedoable() {
  while (steps_.size() > done_) {
    bytes_ -= steps_.back().bytes;
    budget_.bytes_ -= steps_.back().bytes;
    steps_.pop_back();
  }
}

void UndoHistory::Push(std::unique_ptr<UndoStep> step) {
  if (!step) return;
  DropRedoable();
  const std::size_t bytes = step->Bytes() + sizeof(Entry);
  steps_.push_back({std::move(step), bytes, ++budget_.clock_});
  ++done_;
  bytes_ += bytes;
  budget_.bytes_ += bytes;
  while (steps_.size() > maxSteps_) DropOldest();
  budget_.Enforce(*this);
}

bool UndoHistory::Undo() {
  if (done_ == 0) return false;
  steps_[done_ - 1].step->Undo();
  --done_;
  return true;
}

bool UndoHistory::Redo() {
  if (done_ == steps_.size()) return false;
  steps_[done_].step->Redo();
  ++done_;
  return true;
}

void UndoHistory::Clear() {
  done_ = 0;
  DropRedoable();
}

}  // namespace quillo
