#include "app/core/SlideAnimation.h"

namespace quillo {

int SlideDuration(int direction) {
  return direction > 0 ? 500 : 800;
}

SlidePositions SlideAt(const SlidePositions& start, int direction, int elapsed) {
  const int T = SlideDuration(direction);
  const double s = direction > 0 ? 1 : -1;
  const double c = static_cast<double>(elapsed) * elapsed / T / T;
  const SlideDistances& d = SlidesMirrorPanels(direction) ? kMirrorSlide : kMorphSlide;
  // Each value truncated toward zero, as the conversion does.
  return {
      .helpTop = static_cast<int>(start.helpTop - c * d.helpUp * s),
      .loadLeft = static_cast<int>(start.loadLeft + c * d.loadRight * s),
      .loadTop = static_cast<int>(start.loadTop - c * d.loadUp * s),
      .saveLeft = static_cast<int>(start.saveLeft - c * d.saveLeft * s),
      .saveTop = static_cast<int>(start.saveTop - c * d.saveUp * s),
      .leftPanel = static_cast<int>(start.leftPanel + c * d.leftPanelRight * s),
      .rightPanel = static_cast<int>(start.rightPanel - c * d.rightPanelLeft * s),
  };
}

}  // namespace quillo
