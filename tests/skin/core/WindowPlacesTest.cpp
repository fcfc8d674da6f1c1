#include "skin/core/WindowPlaces.h"

#include <gtest/gtest.h>

#include <vector>

#include "effects/core/WarpModel.h"

namespace quillo {
namespace {

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST(WindowPlaces, MainWindowControlsLieOnTheArt) {
  const Rect art = RectOfSize(0, 0, kWindowWidth, kWindowHeight);
  std::vector<Rect> places = {kTitleStrip,   kTitleLabel,  kCloseButton, kMinimizeButton,
                              kMirrorWindow, kPictureArea, kHomePicture, kTrackBar,
                              kExitButton,   kExitLabel};
  for (const ModePlace& mode : kModePlaces)
    places.insert(places.end(), {mode.button, mode.caption});
  places.insert(places.end(), kShortcuts.begin(), kShortcuts.end());
  for (const Rect& r : places)
    EXPECT_TRUE(Inside(InArt(r), art))
        << r.left << ", " << r.top << " " << r.Width() << " x " << r.Height();
  EXPECT_TRUE(Inside(kExitLabel, kExitButton));
}

// The mirror window shows the warp renderer's view, and the morph and blend
// pictures and the home picture's mirror lie over it.
TEST(WindowPlaces, ThePicturesShareTheMirror) {
  EXPECT_EQ(kMirrorWindow.Width(), kWarpWindowWidth);
  EXPECT_EQ(kMirrorWindow.Height(), kWarpWindowHeight);
  EXPECT_TRUE(Inside(kPictureArea, kMirrorWindow));
  EXPECT_TRUE(Inside(kMirrorWindow, kHomePicture));
}

// The barrel is symmetric: its ellipse spans the window's width and is
// centred on the window's middle row.
TEST(WindowPlaces, TheMirrorEllipseIsCentredOnItsWindow) {
  EXPECT_EQ(kMirrorEllipseInWindow.left, 0);
  EXPECT_EQ(kMirrorEllipseInWindow.right, kMirrorWindow.Width());
  EXPECT_EQ(kMirrorEllipseInWindow.top + kMirrorEllipseInWindow.bottom, kMirrorWindow.Height());
  EXPECT_GT(kMirrorEllipseInWindow.Height(), kMirrorWindow.Height());
}

}  // namespace
}  // namespace quillo
