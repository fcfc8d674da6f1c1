#include "LineEditing.h"

#include <algorithm>
#include <cstdlib>

namespace quillo {

namespace {

RealPoint StartIn(const MorphLine& line, MorphPicture picture) {
  return picture == MorphPicture::One ? line.Start1 : line.Start2;
}

RealPoint EndIn(const MorphLine& line, MorphPicture picture) {
  return picture == MorphPicture::One ? line.End1 : line.End2;
}

bool IsHot(const LineEditing& e, const MorphModel& morph) {
  return e.HotLine >= 0 && e.HotLine < morph.LineCount();
}

LineEnd HandleEnd(int handle) {
  switch (handle) {
    case dhStart1:
      return LineEnd::Start1;
    case dhEnd1:
      return LineEnd::End1;
    case dhStart2:
      return LineEnd::Start2;
    default:
      return LineEnd::End2;
  }
}

constexpr EditOutcome kBoth{true, true};

}  // namespace

int WholePixel(double v) {
  if (!(v > -kFarPixel)) return -kFarPixel;  // also for NaN
  if (v >= kFarPixel) return kFarPixel;
  return static_cast<int>(v);
}

bool NearPoint(int x, int y, RealPoint p) {
  const long long dx = static_cast<long long>(x) - WholePixel(p.x);
  const long long dy = static_cast<long long>(y) - WholePixel(p.y);
  if (std::llabs(dx) >= kNearDistance || std::llabs(dy) >= kNearDistance) return false;
  return dx * dx + dy * dy < kNearDistance * kNearDistance;
}

Rect LineArea(const MorphLine& line, MorphPicture picture) {
  const RealPoint a = StartIn(line, picture), b = EndIn(line, picture);
  const int ax = WholePixel(a.x), ay = WholePixel(a.y), bx = WholePixel(b.x), by = WholePixel(b.y);
  return {std::min(ax, bx) - kMarkerRadius, std::min(ay, by) - kMarkerRadius,
          std::max(ax, bx) + kMarkerRadius + 1, std::max(ay, by) + kMarkerRadius + 1};
}

int LineNear(const MorphModel& morph, MorphPicture picture, int x, int y) {
  // The last line drawn wins, so the search runs backwards and stops early.
  for (int i = morph.LineCount() - 1; i >= 0; --i) {
    const MorphLine& line = morph.Lines()[i];
    if (NearPoint(x, y, StartIn(line, picture)) || NearPoint(x, y, EndIn(line, picture))) return i;
  }
  return -1;
}

EditOutcome LineEditing::MouseDown(MorphModel& morph, MorphPicture picture, EditButton button,
                                   int x, int y) {
  const bool hot = IsHot(*this, morph);
  if (button == EditButton::Left && !hot) {
    // A new line starts as a point, at the same place in both pictures. With
    // all lines in use nothing starts.
    if (!morph.AddLine(LineAt({double(x), double(y)}, {double(x), double(y)})))
      return {.lineRefused = true};
    HotLine = morph.LineCount() - 1;
    Drawing = true;
    return kBoth;
  }
  if (button == EditButton::Right && hot) {
    morph.DeleteLine(HotLine);
    // Whatever was being drawn or dragged is gone with it.
    Reset();
    return kBoth;
  }
  if (button == EditButton::Left && hot) {
    const MorphLine& line = morph.Lines()[HotLine];
    if (picture == MorphPicture::One)
      DragHandle = NearPoint(x, y, line.Start1) ? dhStart1 : dhEnd1;
    else
      DragHandle = NearPoint(x, y, line.Start2) ? dhStart2 : dhEnd2;
  }
  return {};
}

EditOutcome LineEditing::MouseMove(MorphModel& morph, MorphPicture picture, int x, int y) {
  const RealPoint at{double(x), double(y)};
  if (Drawing && IsHot(*this, morph)) {
    morph.MoveNewLineEnd(HotLine, at);
    return kBoth;
  }
  if (DragHandle != dhNone && IsHot(*this, morph)) {
    morph.MoveLineEnd(HotLine, HandleEnd(DragHandle), at);
    return DragHandle <= dhEnd1 ? EditOutcome{true, false} : EditOutcome{false, true};
  }
  const int old = HotLine;
  HotLine = LineNear(morph, picture, x, y);
  return HotLine != old ? kBoth : EditOutcome{};
}

EditOutcome LineEditing::MouseUp() {
  Drawing = false;
  DragHandle = dhNone;
  return kBoth;
}

}  // namespace quillo
