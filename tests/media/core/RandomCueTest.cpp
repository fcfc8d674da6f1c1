#include "media/core/RandomCue.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace quillo {
namespace {

TEST(RandomCue, NeverTheSameTwiceInARowAndEveryOneReachable) {
  // A draw that keeps offering the same number is asked again.
  std::vector<int> draws = {17, 17, 17, 3};  // 17 mod 9 + 1 = 9, then 4
  std::size_t next = 0;
  EXPECT_EQ(NextRandomCue(9, [&] { return draws[next++]; }), 4);
  EXPECT_EQ(next, 4u);

  std::set<int> seen;
  int last = 0;
  unsigned state = 1;
  for (int i = 0; i < 200; ++i) {
    const int n = NextRandomCue(
        last, [&] { return static_cast<int>((state = state * 1103515245u + 12345u) >> 16); });
    ASSERT_NE(n, last);
    ASSERT_GE(n, 1);
    ASSERT_LE(n, kHoverCues);
    seen.insert(last = n);
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kHoverCues));
}

}  // namespace
}  // namespace quillo
