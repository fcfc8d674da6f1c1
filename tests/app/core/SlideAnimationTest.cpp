#include "app/core/SlideAnimation.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

// The parked places of the layout and where the panels stand slid in.
constexpr SlidePositions kParked{475, -71, 480, 635, 480, -112, 602};
constexpr SlidePositions kMirrorScreen{438, -5, 420, 569, 420, -4, 492};
constexpr SlidePositions kParkedMorph{475, -71, 480, 635, 480, -155, 601};
constexpr SlidePositions kMorphScreen{438, -5, 420, 569, 420, -10, 446};

// Runs a slide tick by tick as the timer does; returns the ticks taken.
int Slide(SlidePositions& p, int direction) {
  const SlidePositions start = p;
  int t = 0, ticks = 0;
  while (true) {
    t += kSlideTick;
    ++ticks;
    p = SlideAt(start, direction, t);
    if (t >= SlideDuration(direction)) return ticks;
  }
}

TEST(SlideAnimation, InAndOutLandExactlyInTenAndSixteenTicks) {
  for (int screen : {1, 2}) {
    SlidePositions p = kParked;
    EXPECT_EQ(Slide(p, screen), 10);
    EXPECT_EQ(p, kMirrorScreen);
    EXPECT_EQ(Slide(p, -screen), 16);
    EXPECT_EQ(p, kParked);
  }
  for (int screen : {3, 4}) {
    SlidePositions p = kParkedMorph;
    Slide(p, screen);
    EXPECT_EQ(p, kMorphScreen);
    Slide(p, -screen);
    EXPECT_EQ(p, kParkedMorph);
  }
}

TEST(SlideAnimation, EasesInAndTruncatesTowardZero) {
  // 50 ms into 500: c = 0.01. 475 - 0.37 = 474.63 -> 474; -71 + 0.66 = -70.34 -> -70
  // (toward zero, not down); -112 + 1.08 -> -110.92 -> -110.
  const SlidePositions p = SlideAt(kParked, 1, 50);
  EXPECT_EQ(p.helpTop, 474);
  EXPECT_EQ(p.loadLeft, -70);
  EXPECT_EQ(p.leftPanel, -110);
  EXPECT_EQ(p.rightPanel, 600);  // 602 - 1.1 = 600.9
  // Halfway home from the Mirrors screen: c = 400 * 400 / 800 / 800 = 0.25.
  const SlidePositions q = SlideAt(kMirrorScreen, -2, 400);
  EXPECT_EQ(q.helpTop, 447);    // 438 + 9.25
  EXPECT_EQ(q.saveLeft, 585);   // 569 + 16.5
  EXPECT_EQ(q.leftPanel, -31);  // -4 - 27
}

}  // namespace
}  // namespace quillo

namespace quillo {
namespace {

// The distances come from the window's places and where the panels stand in;
// they are those the slide has always had.
TEST(SlideAnimation, DistancesFollowTheParkedPlaces) {
  static_assert(kMirrorSlide.helpUp == 37 && kMirrorSlide.loadRight == 66 &&
                kMirrorSlide.loadUp == 60 && kMirrorSlide.saveLeft == 66 &&
                kMirrorSlide.saveUp == 60);
  static_assert(kMirrorSlide.leftPanelRight == 108 && kMirrorSlide.rightPanelLeft == 110);
  static_assert(kMorphSlide.leftPanelRight == 145 && kMorphSlide.rightPanelLeft == 155);
  EXPECT_EQ(kParked.leftPanel, kLeftPanelParked.left);
  EXPECT_EQ(kParkedMorph.rightPanel, kMorphRightPanelParked.left);
  EXPECT_EQ(kMirrorScreen.helpTop, kHelpPanelParked.top - kMirrorSlide.helpUp);
  EXPECT_EQ(kMorphScreen.leftPanel, kMorphLeftPanelIn);
  EXPECT_TRUE(SlidesMirrorPanels(-2) && SlidesMirrorPanels(1));
  EXPECT_FALSE(SlidesMirrorPanels(3) || SlidesMirrorPanels(-4));
}

}  // namespace
}  // namespace quillo
