// The histories of undo steps: order, redo dropped by a new change, and the
// shared memory budget taking the oldest steps, long histories first.
#include <gtest/gtest.h>

#include <string>

#include "base/UndoHistory.h"

namespace quillo {
namespace {

// A step that writes its name into a log and claims a size.
class Logged final : public UndoStep {
 public:
  Logged(std::string& log, char name, std::size_t bytes = 0)
      : log_(log), name_(name), bytes_(bytes) {}
  void Undo() override { log_ += std::string("-") + name_; }
  void Redo() override { log_ += std::string("+") + name_; }
  std::size_t Bytes() const override { return bytes_; }

 private:
  std::string& log_;
  char name_;
  std::size_t bytes_;
};

TEST(UndoHistory, UndoesBackwardsRedoesForwardsAndANewChangeDropsTheRedo) {
  UndoBudget budget;
  UndoHistory history(budget);
  std::string log;
  EXPECT_FALSE(history.Undo());
  for (const char c : {'a', 'b', 'c'}) history.Push(std::make_unique<Logged>(log, c));
  EXPECT_TRUE(history.Undo());
  EXPECT_TRUE(history.Undo());
  EXPECT_TRUE(history.Redo());
  EXPECT_EQ(log, "-c-b+b");
  history.Push(std::make_unique<Logged>(log, 'd'));
  EXPECT_FALSE(history.Redo()) << "c could still be redone after a new change";
  while (history.Undo()) {
  }
  EXPECT_EQ(log, "-c-b+b-d-b-a");
  EXPECT_EQ(history.RedoCount(), 3u);
  history.Clear();
  EXPECT_EQ(budget.Bytes(), 0u);
}

TEST(UndoHistory, TheBudgetTakesTheOldestStepsOfLongHistoriesFirstAndKeepsRedoInOrder) {
  constexpr std::size_t kStep = 1000;
  UndoBudget budget(150 * (kStep + 64));
  UndoHistory longOne(budget), shortOne(budget);
  std::string log;
  for (int i = 0; i < 10; ++i) shortOne.Push(std::make_unique<Logged>(log, 's', kStep));
  for (int i = 0; i < 400; ++i) longOne.Push(std::make_unique<Logged>(log, 'l', kStep));
  EXPECT_LE(budget.Bytes(), budget.MaxBytes());
  // The short history's steps are older, but the long one gives up its own.
  EXPECT_EQ(shortOne.UndoCount(), 10u);
  EXPECT_GE(longOne.UndoCount(), UndoBudget::kKeptSteps);

  // With all its steps undone, what a history gives up is the step that
  // would be redone last.
  UndoBudget tight(3 * (kStep + 64) + 10);
  UndoHistory a(tight), b(tight);
  for (const char c : {'x', 'y', 'z'}) a.Push(std::make_unique<Logged>(log, c, kStep));
  while (a.Undo()) {
  }
  b.Push(std::make_unique<Logged>(log, 'n', kStep));
  log.clear();
  while (a.Redo()) {
  }
  EXPECT_EQ(log, "+x+y");
}

TEST(UndoHistory, AStepLargerThanTheBudgetIsKeptAlone) {
  UndoBudget budget(100);
  UndoHistory history(budget);
  std::string log;
  history.Push(std::make_unique<Logged>(log, 'a', 500));
  history.Push(std::make_unique<Logged>(log, 'b', 500));
  EXPECT_EQ(history.UndoCount(), 1u);
  EXPECT_TRUE(history.Undo());
  EXPECT_EQ(log, "-b");
}

}  // namespace
}  // namespace quillo
