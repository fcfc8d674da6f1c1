#include "FirstPaintStamp.h"

#include <chrono>
#include <cstdlib>
#include <fstream>

namespace quillo {

void StampFirstPaint() {
  static bool stamped = false;
  if (stamped) return;
  stamped = true;
  const char* path = std::getenv("QUILLO_FIRST_PAINT_STAMP");
  if (!path || !*path) return;
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  std::ofstream(path) << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() << "\n";
}

}  // namespace quillo
