#include "RandomCue.h"

namespace quillo {

int NextRandomCue(int last, const std::function<int()>& draw) {
  int n = 0;
  do {
    n = draw() % kHoverCues + 1;
  } while (n == last);
  return n;
}

}  // namespace quillo
