#pragma once
// The skin sheet's layout: where each skinned control finds its strip of cells.
// The art generator paints the sheet from this table and the controls take
// their cell descriptors from it, so the two can never disagree.
#include <array>
#include <span>
#include <string_view>

#include "base/Pixel.h"
#include "base/Rect.h"

namespace quillo {

constexpr int kSkinSheetWidth = 698;
constexpr int kSkinSheetHeight = 999;

// Key colour of the mirror sliders and of their thumb frames: RGB (205, 160, 1).
constexpr ColorRef kSliderKey = 106701;

struct SkinCell {
  std::string_view control;  // the control's name
  int controlWidth;
  int controlHeight;
  int left;  // cell 0's top-left corner in the sheet
  int top;
  int width;  // cell size; 0 stands for the control's own size
  int height;
  int cols;        // cells per row
  int cellCount;   // cells the art provides (and the states refer to)
  ColorRef key;    // kColorNone: no key colour
  int autoNormal;  // cell numbers for the pointer states, -1 for unchanged
  int autoPressed;
  int autoEnter;
  int autoLeave;

  // Sheet rectangle of cell `index`.
  constexpr Rect Cell(int index) const {
    const int w = width != 0 ? width : controlWidth;
    const int h = height != 0 ? height : controlHeight;
    return RectOfSize(left + w * (index % cols), top + h * (index / cols), w, h);
  }
};

// Every skinned control of the program, in the order of the main window's
// layout and then the dialogs'.
std::span<const SkinCell> SkinCells();

// The cell of a control by name; throws quillo::Error for an unknown name.
const SkinCell& SkinCellOf(std::string_view control);

// The thumb frames of the mirror sliders, k = 0 (top) to 10.
constexpr int kThumbFrames = 11;
constexpr int kThumbWidth = 59;
constexpr int kThumbHeight = 29;
constexpr Rect LeftThumbCell(int k) {
  return k < 8 ? RectOfSize(464, 29 * k, kThumbWidth, kThumbHeight)
               : RectOfSize(468, 29 * k + 77, kThumbWidth, kThumbHeight);
}
constexpr Rect RightThumbCell(int k) {
  return k < 8 ? RectOfSize(523, 29 * k, kThumbWidth, kThumbHeight)
               : RectOfSize(527, 29 * k + 77, kThumbWidth, kThumbHeight);
}

// The four mirror icons of the right slider, for MirrorKind 1 to 4.
struct MirrorIcon {
  std::string_view name;
  int width;
  int height;
  int sheetX;
  int sheetYNormal;
  int sheetYChosen;
  int sliderX;  // position on the slider
  int sliderY;

  constexpr Rect Cell(bool chosen) const {
    return RectOfSize(sheetX, chosen ? sheetYChosen : sheetYNormal, width, height);
  }
};

constexpr std::array<MirrorIcon, 4> kMirrorIcons = {{
    {"Horizontal", 64, 37, 583, 158, 195, 16, 0},
    {"Vertical", 45, 59, 422, 310, 369, 26, 55},
    {"Radial", 51, 52, 587, 309, 361, 24, 125},
    {"Squeeze", 48, 48, 583, 61, 109, 24, 188},
}};

}  // namespace quillo
