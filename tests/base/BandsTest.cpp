#include "base/Bands.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

namespace quillo {
namespace {

// Several threads ask for bands at once, and every band asks for bands of its
// own: each index is still visited exactly once, and every call returns.
TEST(RunInBands, EveryIndexOnceFromConcurrentAndNestedCalls) {
  constexpr int kCallers = 3, kOuter = 203, kInner = 5;
  std::vector<std::atomic<int>> visits(kCallers * kOuter * kInner);
  std::vector<std::thread> callers;
  for (int c = 0; c < kCallers; ++c)
    callers.emplace_back([&, c] {
      for (int round = 0; round < 20; ++round)
        RunInBands(0, kOuter, 7, [&](int first, int last) {
          for (int i = first; i < last; ++i)
            RunInBands(0, kInner, 2, [&](int a, int b) {
              for (int j = a; j < b; ++j) ++visits[(c * kOuter + i) * kInner + j];
            });
        });
    });
  for (std::thread& t : callers) t.join();
  for (std::size_t i = 0; i < visits.size(); ++i) ASSERT_EQ(visits[i], 20) << i;

  int calls = 0;
  RunInBands(5, 5, 4, [&](int, int) { ++calls; });
  EXPECT_EQ(calls, 0);
}

// A band that throws lets the others finish, and the caller gets the error.
TEST(RunInBands, BandErrorReachesTheCallerAfterEveryBand) {
  std::atomic<int> done{0};
  EXPECT_THROW(RunInBands(0, 100, 10,
                          [&](int first, int last) {
                            if (first == 50) throw std::runtime_error("band");
                            done += last - first;
                          }),
               std::runtime_error);
  EXPECT_EQ(done, 90);
}

}  // namespace
}  // namespace quillo
