#pragma once
// The shaped side panels of Morphing and Blending: a gold-framed well for the
// thumbnail picture and the Load button above it.
#include <QImage>

namespace art {

// The panel without its Load button (186 x 310, transparent around the
// shape): the background that the button's own cells are painted on.
QImage PaintMorphPanelBase(bool left);
// The panel as the sheet holds it, with the Load button in its quiet look.
QImage PaintMorphPanel(bool left);

}  // namespace art
