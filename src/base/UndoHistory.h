#pragma once
// Undo and redo: each screen keeps one history of the changes made on it,
// as steps that know how to go back and forth. All histories share one
// budget of memory; past it the oldest steps go first, those of histories
// with more than a hundred steps before any other.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace quillo {

// One change, recorded with what it needs to be undone and done again. It is
// pushed after it was done; Undo() is called only in the state it left, and
// Redo() only in the state Undo() left.
class UndoStep {
 public:
  virtual ~UndoStep() = default;
  virtual void Undo() = 0;
  virtual void Redo() = 0;
  // The memory the step holds, roughly, in bytes.
  virtual std::size_t Bytes() const = 0;
};

class UndoHistory;

// The memory all histories may hold together.
class UndoBudget {
 public:
  static constexpr std::size_t kDefaultBytes = 256u * 1024 * 1024;
  // The steps a history keeps before the budget takes any of them.
  static constexpr std::size_t kKeptSteps = 100;

  explicit UndoBudget(std::size_t maxBytes = kDefaultBytes) : maxBytes_(maxBytes) {}
  UndoBudget(const UndoBudget&) = delete;
  UndoBudget& operator=(const UndoBudget&) = delete;

  std::size_t Bytes() const { return bytes_; }
  std::size_t MaxBytes() const { return maxBytes_; }

 private:
  friend class UndoHistory;
  // Drops the oldest steps until the histories fit, never the newest step
  // of `keep`.
  void Enforce(const UndoHistory& keep);

  std::size_t maxBytes_;
  std::size_t bytes_ = 0;
  std::uint64_t clock_ = 0;  // numbers the steps in the order they were pushed
  std::vector<UndoHistory*> histories_;
};

class UndoHistory {
 public:
  // At most maxSteps steps, within the budget's bytes.
  explicit UndoHistory(UndoBudget& budget, std::size_t maxSteps = 1000);
  ~UndoHistory();
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  // Takes a step that was just done; the steps that could have been redone go.
  void Push(std::unique_ptr<UndoStep> step);
  // Undoes the last step done, or redoes the last undone; false when there
  // is none.
  bool Undo();
  bool Redo();
  void Clear();

  // Steps that can be undone, and that can be redone.
  std::size_t UndoCount() const { return done_; }
  std::size_t RedoCount() const { return steps_.size() - done_; }
  std::size_t Bytes() const { return bytes_; }

 private:
  friend class UndoBudget;
  struct Entry {
    std::unique_ptr<UndoStep> step;
    std::size_t bytes = 0;
    std::uint64_t pushed = 0;
  };
  void DropOldest();
  void DropRedoable();

  UndoBudget& budget_;
  std::size_t maxSteps_;
  std::vector<Entry> steps_;  // oldest first; the first done_ are done
  std::size_t done_ = 0;
  std::size_t bytes_ = 0;
};

}  // namespace quillo
