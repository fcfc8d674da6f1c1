#pragma once
// What the Morphing and Blending screens lend the main window's controls while
// they are on: the handlers of the picture area, the two small pictures, the
// two load buttons, the Load and Save tabs and the morph slider. An empty
// handler leaves the control without one.
#include <functional>

#include "base/Bitmap.h"
#include "skin/TPaintBox.h"

namespace quillo {

class TGraphicButton;
class TGraphicSlider;
class TNonRectPanel;

struct ScreenHandlers {
  PaintBoxHandlers paintBox;   // the big picture area
  PaintBoxHandlers paintBox1;  // the left small picture
  PaintBoxHandlers paintBox2;  // the right small picture
  // Files dropped on them, loaded as their Load actions would.
  PaintBoxDrop paintBoxDrop;
  PaintBoxDrop paintBox1Drop;
  PaintBoxDrop paintBox2Drop;
  std::function<void(TGraphicButton*)> load1Click;
  std::function<void(TGraphicButton*)> load2Click;
  std::function<void(TNonRectPanel*)> loadClick;  // the Load tab
  std::function<void(TNonRectPanel*)> saveClick;  // the Save tab
  std::function<void(TGraphicSlider*)> trackBarChange;
};

// A paint handler that shows a bitmap stretched smoothly over the whole box.
TPaintBitmap PaintStretched(const Bitmap& bitmap);

}  // namespace quillo
