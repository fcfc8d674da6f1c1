#include "app/core/SlideAnimation.h"

#include <cstdlib>

namespace quillo {

int SlideDuration(int direction) {
  return direction > 0 ? 500 : 800;
}

SlidePositions SlideAt(const SlidePositions& start, int direction, int elapsed) {
  const int T = SlideDuration(direction);
  const double s = direction > 0 ? 1 : -1;
  const double c = static_cast<double>(elapsed) * elapsed / T / T;
  const bool mirrorPanels = std::abs(direction) <= 2;
  const double leftDistance = mirrorPanels ? 108 : 145;
  const double rightDistance = mirrorPanels ? 110 : 155;
  // Each value truncated toward zero, as the conversion does.
  return {
      .helpTop = static_cast<int>(start.helpTop - c * 37 * s),
      .loadLeft = static_cast<int>(start.loadLeft + c * 66 * s),
      .loadTop = static_cast<int>(start.loadTop - c * 60 * s),
      .saveLeft = static_cast<int>(start.saveLeft - c * 66 * s),
      .saveTop = static_cast<int>(start.saveTop - c * 60 * s),
      .leftPanel = static_cast<int>(start.leftPanel + c * leftDistance * s),
      .rightPanel = static_cast<int>(start.rightPanel - c * rightDistance * s),
  };
}

}  // namespace quillo
