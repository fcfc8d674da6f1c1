#pragma once
// The windows' layout descriptions: every skinned control with its place and
// where it finds its strip of cells in the skin sheet. The windows create
// their controls from these tables and the art generator paints the sheet
// from them, so the two can never disagree.
#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "ResourceLayout.h"
#include "base/Pixel.h"
#include "base/Rect.h"

namespace quillo {

constexpr int kSkinSheetWidth = 698;
constexpr int kSkinSheetHeight = 999;

// Key colour of the mirror sliders and of their thumb frames: RGB (205, 160, 1).
constexpr ColorRef kSliderKey = 106701;

enum class ControlKind { GraphicButton, GraphicSlider, NonRectPanel, PaintBox };

// One control of a window's layout: its place, its cell descriptor as the
// layout stores it and the properties the window sets at creation.
struct ControlLayout {
  std::string_view name{};
  ControlKind kind = ControlKind::GraphicButton;
  std::string_view parent{};  // the control it lies on; empty for the client area
  Rect bounds{};              // in the parent's pixels
  ResourceLayout resource{};  // skinned controls only
  int cellCount = 0;          // cells the art provides (and the states refer to)
  int transparency = 0;
  bool visible = true;
  bool handCursor = false;
  int tag = 0;
  int max = 100;  // sliders
  int value = 0;

  constexpr bool Skinned() const { return kind != ControlKind::PaintBox; }

  // Sheet rectangle of cell `index`: buttons and panels take their own size
  // for a zero cell width or height, sliders keep it.
  constexpr Rect Cell(int index) const {
    const bool own = kind != ControlKind::GraphicSlider;
    const int w = resource.width != 0 || !own ? resource.width : bounds.Width();
    const int h = resource.height != 0 || !own ? resource.height : bounds.Height();
    return RectOfSize(resource.left + w * (index % resource.cols),
                      resource.top + h * (index / resource.cols), w, h);
  }
};

// A window's layout: its controls in creation order.
struct WindowLayout {
  std::string_view window;
  std::span<const ControlLayout> controls;

  // The control of that name; throws quillo::Error for an unknown one.
  const ControlLayout& Control(std::string_view name) const;
};

// The main window: every control of every screen, with the side, help, load
// and save panels at their parked places.
const WindowLayout& MainWindowLayout();

// The skinned buttons of the picture source, morph source and save dialogs,
// at the origin until those windows place them.
const WindowLayout& DialogLayout();

// Every skinned control of every window, in layout order: the controls the
// art generator paints cells for.
std::vector<ControlLayout> SkinnedControls();

// A skinned control by name, from any window; throws quillo::Error when unknown.
const ControlLayout& SkinnedControl(std::string_view name);

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
