#pragma once
// The shaped side panels of Warping and Mirrors, each with a light well for
// the scale the program writes and a curved groove for the slider's knob.
// They are painted on a transparent layer; the sheet keys them out on aqua.
#include <QImage>

namespace art {

QImage PaintLeftPanel();   // 143 x 310
QImage PaintRightPanel();  // 143 x 312

}  // namespace art
