#pragma once
// A control line of a morph: where it lies in picture 1, in picture 2 and in
// the frame last computed. The field order is also the record layout of the
// morph file.
#include <type_traits>

namespace quillo {

// A position in picture pixels: x the column (0 = left), y the row (0 = top).
struct RealPoint {
  double x = 0.0;
  double y = 0.0;

  bool operator==(const RealPoint&) const = default;
};

// An end of a line in one of the pictures.
enum class LineEnd { Start1, End1, Start2, End2 };

struct MorphLine {
  RealPoint Start1;  // picture 1
  RealPoint End1;
  RealPoint Start2;  // picture 2
  RealPoint End2;
  RealPoint StartNow;  // the frame last computed (written by the engine)
  RealPoint EndNow;

  bool operator==(const MorphLine&) const = default;
};

static_assert(sizeof(MorphLine) == 96 && std::is_trivially_copyable_v<MorphLine>);

// The line with both ends at the same place in both pictures, as a new line
// starts when it is drawn.
constexpr MorphLine LineAt(RealPoint start, RealPoint end) {
  return {start, end, start, end, {}, {}};
}

// A line takes part in the field only when, in both pictures, its ends differ
// in x and also in y: a line drawn exactly horizontal or vertical in either
// picture is ignored (exact comparison of the stored values).
constexpr bool IsUsable(const MorphLine& line) {
  return line.Start1.x != line.End1.x && line.Start1.y != line.End1.y &&
         line.Start2.x != line.End2.x && line.Start2.y != line.End2.y;
}

}  // namespace quillo
