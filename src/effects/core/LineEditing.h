#pragma once
// Drawing, dragging and deleting the control lines of a morph with the mouse
// on the two small pictures. A left press on empty space starts a new line,
// the same in both pictures, whose end follows the pointer until release; a
// left press while a line is hot drags one of its ends in the pressed
// picture; a right press deletes the hot line. A line is hot while the
// pointer rests near one of its ends.
#include "MorphModel.h"
#include "base/Rect.h"

namespace quillo {

enum class EditButton { Left, Right, Other };

// The end of the hot line that follows the pointer (DragHandle).
enum DragHandles { dhNone = 0, dhStart1 = 1, dhEnd1 = 2, dhStart2 = 3, dhEnd2 = 4 };

// The radius, in whole pixels, within which the pointer is near a line's end.
constexpr int kNearDistance = 4;

// The half size of the disc that marks each end of a line.
constexpr int kMarkerRadius = 3;

// A coordinate truncated toward zero to a whole pixel. Values beyond the
// range any box can show (as a morph file may hold) are held at
// +-kFarPixel, and a value that is no number at all at -kFarPixel, so that
// drawing and hit-testing never overflow.
constexpr int kFarPixel = 1 << 20;
int WholePixel(double v);

// True when (x, y) lies less than kNearDistance pixels from the point, whose
// coordinates are first truncated to whole pixels.
bool NearPoint(int x, int y, RealPoint p);

// The pixels a line and the discs at its ends can cover in a picture's box,
// so that an edit repaints only there.
Rect LineArea(const MorphLine& line, MorphPicture picture);

// What an edit did: the small boxes it changed, and whether it asked for a
// line beyond the last one a morph can hold.
struct EditOutcome {
  bool box1 = false;
  bool box2 = false;
  bool lineRefused = false;
  bool operator==(const EditOutcome&) const = default;
};

struct LineEditing {
  int HotLine = -1;         // the line under the pointer, drawn or dragged; -1 none
  int DragHandle = dhNone;  // which end of HotLine follows the pointer
  bool Drawing = false;     // a new line's end follows the pointer

  // The press of a button at (x, y) of a picture's box.
  EditOutcome MouseDown(MorphModel& morph, MorphPicture picture, EditButton button, int x, int y);
  // A move of the pointer over a picture's box (or, while a button is held,
  // anywhere: the coordinates are then those of the pressed box).
  EditOutcome MouseMove(MorphModel& morph, MorphPicture picture, int x, int y);
  // The release of any button: drawing and dragging end; HotLine stays.
  EditOutcome MouseUp();

  // Back to idle with no hot line, for when the lines are replaced or cleared.
  void Reset() { *this = LineEditing(); }
};

// The highest-numbered line with an end near (x, y) in the picture, or -1.
int LineNear(const MorphModel& morph, MorphPicture picture, int x, int y);

}  // namespace quillo
