#pragma once
// Where the windows' controls sit. Places of the main window are client
// pixels; its art (main.bmp) is drawn from the window's outer corner, so
// client (x, y) is art (x + kFrame, y + kFrame). The art generator paints the
// art from this table and the windows place their controls by it.
#include <array>

#include "base/Rect.h"

namespace quillo {

constexpr int kFrame = 5;  // the window frame around the client area
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;

// The art rectangle of a client rectangle.
constexpr Rect InArt(Rect client) {
  return {client.left + kFrame, client.top + kFrame, client.right + kFrame, client.bottom + kFrame};
}

// Controls of the main window (client left, top, width, height).
constexpr Rect kTitleStrip = RectOfSize(10, 10, 610, 28);   // y 10..37 drags the window
constexpr Rect kTitleLabel = RectOfSize(227, 13, 180, 17);  // "Quillo", drawn by the program
constexpr Rect kCloseButton = RectOfSize(578, 12, 19, 21);
constexpr Rect kMinimizeButton = RectOfSize(558, 12, 19, 21);
constexpr Rect kMirrorWindow = RectOfSize(155, 58, 320, 307);  // the elliptic mirror
constexpr Rect kPictureArea = RectOfSize(171, 65, 290, 290);   // Morphing, Blending
constexpr Rect kHomePicture = RectOfSize(137, 53, 358, 317);
constexpr Rect kTrackBar = RectOfSize(168, 380, 300, 15);
constexpr Rect kExitButton = RectOfSize(180, 398, 271, 77);
constexpr Rect kExitLabel = RectOfSize(269, 418, 92, 17);

// The mirror window's shape, in its own pixels: the ellipse inscribed in this
// rectangle. Only its middle slice falls inside the window, which gives the
// barrel shape.
constexpr Rect kMirrorEllipseInWindow = RectOfSize(0, -160, 320, 627);
// The same ellipse in client pixels.
constexpr Rect kMirrorEllipse =
    RectOfSize(kMirrorWindow.left + kMirrorEllipseInWindow.left,
               kMirrorWindow.top + kMirrorEllipseInWindow.top, kMirrorEllipseInWindow.Width(),
               kMirrorEllipseInWindow.Height());

struct ModePlace {
  Rect button;
  Rect caption;
};
// Warping, Morphing, Mirrors, Blending: GraphicButton1 to GraphicButton4.
constexpr std::array<ModePlace, 4> kModePlaces = {{
    {RectOfSize(21, 70, 116, 116), RectOfSize(23, 189, 105, 17)},
    {RectOfSize(21, 251, 116, 116), RectOfSize(25, 230, 105, 17)},
    {RectOfSize(495, 70, 116, 116), RectOfSize(505, 188, 105, 17)},
    {RectOfSize(498, 253, 116, 116), RectOfSize(505, 229, 105, 17)},
}};

// Shortcut buttons GraphicButton6 to GraphicButton9.
constexpr std::array<Rect, 4> kShortcuts = {
    RectOfSize(431, 407, 132, 41), RectOfSize(56, 377, 44, 44), RectOfSize(93, 417, 44, 44),
    RectOfSize(139, 418, 60, 55)};

// The panels at their parked places, where the layout puts them at start:
// the side panels reach into the window with their inner edges only (the
// left one ends at x 31, the right one begins at x 602), the morph panels
// wait hidden, the help, load and save tabs lie below the bottom edge.
constexpr Rect kLeftPanelParked = RectOfSize(-112, 54, 143, 310);
constexpr Rect kRightPanelParked = RectOfSize(602, 52, 143, 312);
constexpr Rect kMorphLeftPanelParked = RectOfSize(-155, 54, 186, 310);
constexpr Rect kMorphRightPanelParked = RectOfSize(601, 54, 186, 310);
constexpr Rect kHelpPanelParked = RectOfSize(248, 475, 138, 37);
constexpr Rect kLoadPanelParked = RectOfSize(-71, 480, 66, 60);
constexpr Rect kSavePanelParked = RectOfSize(635, 480, 66, 60);

// The controls inside the side panels (panel pixels).
constexpr Rect kLeftSlider = RectOfSize(41, 40, 65, 245);   // in LeftPanel
constexpr Rect kRightSlider = RectOfSize(33, 46, 80, 234);  // in RightPanel
constexpr Rect kPaintBox1 = RectOfSize(11, 126, 145, 145);  // in MorphLeftPanel
constexpr Rect kPaintBox2 = RectOfSize(30, 126, 145, 145);  // in MorphRightPanel
constexpr Rect kLoad1 = RectOfSize(14, 21, 147, 84);        // in MorphLeftPanel
constexpr Rect kLoad2 = RectOfSize(31, 21, 147, 84);        // in MorphRightPanel

}  // namespace quillo
