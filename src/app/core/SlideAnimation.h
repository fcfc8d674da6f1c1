#pragma once
// The slide of the panels between the home screen and a mode screen: every
// 50 ms tick recomputes each panel's position from where it stood when the
// slide began, on an ease-in curve, so that truncation never accumulates and
// the last tick lands exactly.
namespace quillo {

constexpr int kSlideTick = 50;  // ms between ticks

// The positions that move: the Help panel's top, the Load and Save panels'
// left and top, and the left of the pair of side panels of the screen (the
// mirror sliders' panels on screens 1 and 2, the morph panels on 3 and 4).
struct SlidePositions {
  int helpTop = 0;
  int loadLeft = 0;
  int loadTop = 0;
  int saveLeft = 0;
  int saveTop = 0;
  int leftPanel = 0;
  int rightPanel = 0;
  bool operator==(const SlidePositions&) const = default;
};

// The slide's length: 500 ms entering a screen (direction > 0), 800 ms
// going home (direction < 0, -N leaving screen N).
int SlideDuration(int direction);

// Where everything stands `elapsed` ms into the slide that began at start.
SlidePositions SlideAt(const SlidePositions& start, int direction, int elapsed);

}  // namespace quillo
