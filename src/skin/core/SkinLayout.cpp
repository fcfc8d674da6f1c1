#include "SkinLayout.h"

#include <string>

#include "base/Error.h"

namespace quillo {

namespace {

constexpr ColorRef kNone = kColorNone;

// control, control size, cell 0, cell size, cols, cells, key, normal/pressed/enter/leave
constexpr SkinCell kCells[] = {
    {"GraphicButton5", 271, 77, 0, 232, 271, 77, 2, 2, kNone, 0, 1, -1, -1},
    {"GraphicButton1", 116, 116, 0, 0, 116, 116, 2, 2, kNone, 0, 1, -1, -1},
    {"GraphicButton2", 116, 116, 232, 0, 116, 116, 2, 2, kNone, 0, 1, -1, -1},
    {"GraphicButton3", 116, 116, 0, 116, 116, 116, 2, 2, kNone, 0, 1, -1, -1},
    {"GraphicButton4", 116, 116, 232, 116, 116, 116, 2, 2, kNone, 0, 1, -1, -1},
    {"bnClose", 19, 21, 583, 39, 0, 0, 2, 2, kNone, 0, 1, -1, -1},
    {"bnMinimize", 19, 21, 583, 18, 0, 0, 2, 2, kNone, 0, 1, -1, -1},
    {"GraphicButton6", 132, 41, 0, 958, 132, 41, 3, 3, kNone, 0, 2, 1, 0},
    {"GraphicButton7", 44, 44, 0, 903, 44, 44, 3, 3, kNone, 0, 2, 1, 0},
    {"GraphicButton8", 44, 44, 132, 903, 44, 44, 3, 3, kNone, 0, 2, 1, 0},
    {"GraphicButton9", 60, 55, 264, 903, 60, 55, 3, 3, kNone, 0, 2, 1, 0},
    {"Load1", 147, 84, 0, 436, 147, 84, 2, 2, kNone, 0, 1, -1, -1},
    {"Load2", 147, 84, 294, 436, 147, 84, 2, 2, kNone, 0, 1, -1, -1},
    {"TrackBar", 300, 15, 585, 2, 28, 15, 1, 1, kAqua, -1, -1, -1, -1},
    {"LeftSlider", 65, 245, 464, 145, 59, 0, 1, 0, kSliderKey, -1, -1, -1, -1},
    {"RightSlider", 80, 234, 464, 145, 59, 0, 1, 0, kSliderKey, -1, -1, -1, -1},
    {"LeftPanel", 143, 310, 0, 522, 0, 0, 1, 1, kAqua, -1, -1, -1, -1},
    {"RightPanel", 143, 312, 145, 520, 0, 0, 2, 1, kAqua, -1, -1, -1, -1},
    {"MorphLeftPanel", 186, 310, 289, 522, 0, 0, 1, 1, kAqua, -1, -1, -1, -1},
    {"MorphRightPanel", 186, 310, 476, 522, 0, 0, 1, 1, kAqua, -1, -1, -1, -1},
    {"HelpPanel", 138, 37, 0, 398, 0, 0, 3, 3, kAqua, 1, 2, 1, 0},
    {"LoadPanel", 66, 60, 0, 320, 0, 66, 3, 3, kAqua, -1, 2, 1, 0},
    {"SavePanel", 66, 60, 198, 320, 0, 66, 3, 3, kAqua, -1, 2, 1, 0},
    {"bFile", 98, 66, 0, 834, 98, 66, 1, 1, kAqua, -1, -1, -1, -1},
    {"bClipboard", 98, 66, 100, 834, 98, 66, 1, 1, kAqua, -1, -1, -1, -1},
    {"bCamera", 98, 66, 200, 834, 98, 66, 1, 1, kAqua, -1, -1, -1, -1},
    {"bTWAIN", 98, 66, 300, 834, 98, 66, 1, 1, kAqua, -1, -1, -1, -1},
    {"bPrint", 98, 66, 400, 834, 98, 66, 1, 1, kAqua, -1, -1, -1, -1},
    {"bCancel", 98, 66, 500, 834, 98, 66, 1, 1, kAqua, -1, -1, -1, -1},
    {"bClipart", 98, 66, 600, 834, 98, 66, 1, 1, kAqua, -1, -1, -1, -1},
    {"bMail", 98, 66, 550, 235, 98, 66, 1, 1, kAqua, -1, -1, -1, -1},
};

}  // namespace

std::span<const SkinCell> SkinCells() {
  return kCells;
}

const SkinCell& SkinCellOf(std::string_view control) {
  for (const SkinCell& c : kCells)
    if (c.control == control) return c;
  throw Error("No skin cell for control " + std::string(control));
}

}  // namespace quillo
