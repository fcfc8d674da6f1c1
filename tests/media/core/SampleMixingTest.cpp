// The mixer's sum of two streams: held at the ends of the 16-bit range.
#include "media/core/SampleMixing.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillo {
namespace {

TEST(SampleMixing, SumsAndHoldsAtTheEndsOfTheRangeOverTheShorterStream) {
  std::vector<std::int16_t> out{1000, 30000, -30000, 32767, -32768, 5};
  const std::vector<std::int16_t> add{-500, 5000, -5000, 1, -1};
  MixSamples(out, add);
  EXPECT_EQ(out, (std::vector<std::int16_t>{500, 32767, -32768, 32767, -32768, 5}));
  MixSamples(std::span(out).first(2), std::vector<std::int16_t>{-32768, -32768, 7});
  EXPECT_EQ(out[0], -32268);
  EXPECT_EQ(out[1], -1);
  EXPECT_EQ(out[2], -32768);
}

}  // namespace
}  // namespace quillo
