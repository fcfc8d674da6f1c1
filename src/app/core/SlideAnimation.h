#pragma once
// The slide of the panels between the home screen and a mode screen: every
// 50 ms tick recomputes each panel's position from where it stood when the
// slide began, on an ease-in curve, so that truncation never accumulates and
// the last tick lands exactly.
#include "skin/core/WindowPlaces.h"

namespace quillo {

constexpr int kSlideTick = 50;  // ms between ticks

// Where the side panels' left edges stand on a mode screen (client pixels).
constexpr int kLeftPanelIn = -4;
constexpr int kRightPanelIn = 492;
constexpr int kMorphLeftPanelIn = -10;
constexpr int kMorphRightPanelIn = 446;

// How far each part slides from its parked place: the Help, Load and Save
// tabs by their own height (and the Load and Save tabs by their width), the
// side panels to where they stand in.
struct SlideDistances {
  int helpUp, loadRight, loadUp, saveLeft, saveUp, leftPanelRight, rightPanelLeft;
};
constexpr SlideDistances kMirrorSlide{kHelpPanelParked.Height(),
                                      kLoadPanelParked.Width(),
                                      kLoadPanelParked.Height(),
                                      kSavePanelParked.Width(),
                                      kSavePanelParked.Height(),
                                      kLeftPanelIn - kLeftPanelParked.left,
                                      kRightPanelParked.left - kRightPanelIn};
constexpr SlideDistances kMorphSlide{kHelpPanelParked.Height(),
                                     kLoadPanelParked.Width(),
                                     kLoadPanelParked.Height(),
                                     kSavePanelParked.Width(),
                                     kSavePanelParked.Height(),
                                     kMorphLeftPanelIn - kMorphLeftPanelParked.left,
                                     kMorphRightPanelParked.left - kMorphRightPanelIn};

// Screens 1 and 2 (and their way home, -1 and -2) slide the mirror sliders'
// panels; screens 3 and 4 the morph panels.
constexpr bool SlidesMirrorPanels(int direction) {
  return direction >= -2 && direction <= 2;
}

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
