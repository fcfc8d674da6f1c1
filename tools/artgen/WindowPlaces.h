#pragma once
// Where the main window's controls sit, in client pixels. The background art
// is drawn from the window's outer corner, so client (x, y) is art (x + 5, y + 5).
#include <QPointF>
#include <QRectF>

namespace art {

constexpr int kFrame = 5;  // the window frame around the client area
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;

// The art rectangle of a client rectangle.
constexpr QRectF InArt(double x, double y, double w, double h) {
  return QRectF(x + kFrame, y + kFrame, w, h);
}

// Controls of the main window (client left, top, width, height).
inline const QRectF kTitleStrip(10, 10, 610, 28);   // y 10..37 drags the window
inline const QRectF kTitleLabel(227, 13, 180, 17);  // "Quillo", drawn by the program
inline const QRectF kClose(578, 12, 19, 21);
inline const QRectF kMinimize(558, 12, 19, 21);
inline const QRectF kMirrorWindow(155, 58, 320, 307);  // the elliptic mirror
inline const QRectF kMirrorEllipse(155, 58 - 160, 320, 627);
inline const QRectF kPicture(171, 65, 290, 290);  // picture area of Morphing, Blending
inline const QRectF kHome(137, 53, 358, 317);     // home picture
inline const QRectF kTrackBar(168, 380, 300, 15);
inline const QRectF kExit(180, 398, 271, 77);
inline const QRectF kExitLabel(269, 418, 92, 17);

struct ModePlace {
  QRectF button;
  QRectF caption;
};
// Warping, Morphing, Mirrors, Blending: GraphicButton1 to GraphicButton4.
inline const ModePlace kModePlaces[4] = {
    {QRectF(21, 70, 116, 116), QRectF(23, 189, 105, 17)},
    {QRectF(21, 251, 116, 116), QRectF(25, 230, 105, 17)},
    {QRectF(495, 70, 116, 116), QRectF(505, 188, 105, 17)},
    {QRectF(498, 253, 116, 116), QRectF(505, 229, 105, 17)},
};

// Shortcut buttons GraphicButton6 to GraphicButton9.
inline const QRectF kShortcuts[4] = {QRectF(431, 407, 132, 41), QRectF(56, 377, 44, 44),
                                     QRectF(93, 417, 44, 44), QRectF(139, 418, 60, 55)};

// Side panels slid in, and the sliders inside them (panel pixels).
inline const QRectF kLeftSlider(41, 40, 65, 245);
inline const QRectF kRightSlider(33, 46, 80, 234);
inline const QRectF kPaintBox1(11, 126, 145, 145);  // in MorphLeftPanel
inline const QRectF kPaintBox2(30, 126, 145, 145);  // in MorphRightPanel
inline const QPointF kLoad1At(14, 21);
inline const QPointF kLoad2At(31, 21);

}  // namespace art
