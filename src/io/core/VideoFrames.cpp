#include "VideoFrames.h"

namespace quillo {

namespace {
constexpr int kStep = 4;
constexpr int kTop = 100;
}  // namespace

int RunVideoFrames(const std::function<bool(int position)>& write) {
  int written = 0;
  for (int p = 0; p <= kTop; p += kStep) {
    if (!write(p)) break;
    ++written;
  }
  for (int p = kTop; p >= 0; p -= kStep) {
    if (!write(p)) break;
    ++written;
  }
  return written;
}

}  // namespace quillo
