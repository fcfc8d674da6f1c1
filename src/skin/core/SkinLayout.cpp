#include "SkinLayout.h"

#include <string>

#include "WindowPlaces.h"
#include "base/Error.h"

namespace quillo {

namespace {

using enum ControlKind;

// The descriptor of a button whose cells follow each other in one row.
constexpr ResourceLayout ButtonCells(int left, int top, int width, int height, int cols) {
  return {.cols = cols, .left = left, .top = top, .width = width, .height = height};
}
// Shortcut buttons: lit when entered, pressed, back to normal when left.
constexpr ResourceLayout HoverCells(int left, int top, int width, int height) {
  return {.autoNormal = 0,
          .autoPressed = 2,
          .autoEnter = 1,
          .autoLeave = 0,
          .cols = 3,
          .left = left,
          .top = top,
          .width = width,
          .height = height};
}
// A panel or slider that changes no cell under the pointer, with its key.
constexpr ResourceLayout StillCells(int left, int top, int width, int height, int cols,
                                    ColorRef key) {
  return {.autoNormal = -1,
          .autoPressed = -1,
          .cols = cols,
          .left = left,
          .top = top,
          .width = width,
          .height = height,
          .color = key};
}
// A tab panel: cell 1 under the pointer, 2 pressed.
constexpr ResourceLayout TabCells(int normal, int left, int top, int height) {
  return {.autoNormal = normal,
          .autoPressed = 2,
          .autoEnter = 1,
          .autoLeave = 0,
          .cols = 3,
          .left = left,
          .top = top,
          .height = height,
          .color = kAqua};
}

// The main window's controls in creation order.
constexpr ControlLayout kMainWindow[] = {
    {.name = "GraphicButton5",
     .bounds = kExitButton,
     .resource = ButtonCells(0, 232, 271, 77, 2),
     .cellCount = 2},
    {.name = "GraphicButton1",
     .bounds = kModePlaces[0].button,
     .resource = ButtonCells(0, 0, 116, 116, 2),
     .cellCount = 2,
     .tag = 1},
    {.name = "GraphicButton2",
     .bounds = kModePlaces[1].button,
     .resource = ButtonCells(232, 0, 116, 116, 2),
     .cellCount = 2,
     .tag = 2},
    {.name = "GraphicButton3",
     .bounds = kModePlaces[2].button,
     .resource = ButtonCells(0, 116, 116, 116, 2),
     .cellCount = 2,
     .tag = 3},
    {.name = "GraphicButton4",
     .bounds = kModePlaces[3].button,
     .resource = ButtonCells(232, 116, 116, 116, 2),
     .cellCount = 2,
     .tag = 4},
    {.name = "TrackBar",
     .kind = GraphicSlider,
     .bounds = kTrackBar,
     .resource = StillCells(585, 2, 28, 15, 1, kAqua),
     .cellCount = 1,
     .visible = false,
     .handCursor = true},
    {.name = "PaintBox", .kind = PaintBox, .bounds = kPictureArea, .visible = false, .tag = 1},
    {.name = "bnClose",
     .bounds = kCloseButton,
     .resource = ButtonCells(583, 39, 0, 0, 2),
     .cellCount = 2,
     .transparency = 100,
     .handCursor = true},
    {.name = "bnMinimize",
     .bounds = kMinimizeButton,
     .resource = ButtonCells(583, 18, 0, 0, 2),
     .cellCount = 2,
     .transparency = 100,
     .handCursor = true},
    {.name = "StartPaintBox", .kind = PaintBox, .bounds = kHomePicture},
    {.name = "GraphicButton6",
     .bounds = kShortcuts[0],
     .resource = HoverCells(0, 958, 132, 41),
     .cellCount = 3},
    {.name = "GraphicButton7",
     .bounds = kShortcuts[1],
     .resource = HoverCells(0, 903, 44, 44),
     .cellCount = 3},
    {.name = "GraphicButton8",
     .bounds = kShortcuts[2],
     .resource = HoverCells(132, 903, 44, 44),
     .cellCount = 3},
    {.name = "GraphicButton9",
     .bounds = kShortcuts[3],
     .resource = HoverCells(264, 903, 60, 55),
     .cellCount = 3},
    {.name = "LeftPanel",
     .kind = NonRectPanel,
     .bounds = kLeftPanelParked,
     .resource = StillCells(0, 522, 0, 0, 1, kAqua),
     .cellCount = 1},
    // The mirror sliders' thumbs are 0 high: the main window paints them.
    {.name = "LeftSlider",
     .kind = GraphicSlider,
     .parent = "LeftPanel",
     .bounds = kLeftSlider,
     .resource = StillCells(464, 145, 59, 0, 1, kSliderKey),
     .transparency = 10,
     .handCursor = true,
     .max = 10,
     .value = 5},
    {.name = "RightPanel",
     .kind = NonRectPanel,
     .bounds = kRightPanelParked,
     .resource = StillCells(145, 520, 0, 0, 2, kAqua),
     .cellCount = 1},
    {.name = "RightSlider",
     .kind = GraphicSlider,
     .parent = "RightPanel",
     .bounds = kRightSlider,
     .resource = StillCells(464, 145, 59, 0, 1, kSliderKey),
     .transparency = 10,
     .handCursor = true,
     .max = 10,
     .value = 10},
    {.name = "HelpPanel",
     .kind = NonRectPanel,
     .bounds = kHelpPanelParked,
     .resource = TabCells(1, 0, 398, 0),
     .cellCount = 3},
    {.name = "LoadPanel",
     .kind = NonRectPanel,
     .bounds = kLoadPanelParked,
     .resource = TabCells(-1, 0, 320, 66),
     .cellCount = 3},
    {.name = "SavePanel",
     .kind = NonRectPanel,
     .bounds = kSavePanelParked,
     .resource = TabCells(-1, 198, 320, 66),
     .cellCount = 3},
    {.name = "MorphLeftPanel",
     .kind = NonRectPanel,
     .bounds = kMorphLeftPanelParked,
     .resource = StillCells(289, 522, 0, 0, 1, kAqua),
     .cellCount = 1,
     .visible = false},
    {.name = "PaintBox1", .kind = PaintBox, .parent = "MorphLeftPanel", .bounds = kPaintBox1},
    {.name = "Load1",
     .parent = "MorphLeftPanel",
     .bounds = kLoad1,
     .resource = ButtonCells(0, 436, 147, 84, 2),
     .cellCount = 2,
     .transparency = 100},
    {.name = "MorphRightPanel",
     .kind = NonRectPanel,
     .bounds = kMorphRightPanelParked,
     .resource = StillCells(476, 522, 0, 0, 1, kAqua),
     .cellCount = 1,
     .visible = false},
    {.name = "PaintBox2", .kind = PaintBox, .parent = "MorphRightPanel", .bounds = kPaintBox2},
    {.name = "Load2",
     .parent = "MorphRightPanel",
     .bounds = kLoad2,
     .resource = ButtonCells(294, 436, 147, 84, 2),
     .cellCount = 2,
     .transparency = 100},
};

// The dialogs' buttons: one keyed 98 x 66 cell each.
constexpr ControlLayout DialogButton(std::string_view name, int left, int top) {
  return {.name = name,
          .bounds = RectOfSize(0, 0, 98, 66),
          .resource = StillCells(left, top, 98, 66, 1, kAqua),
          .cellCount = 1};
}
constexpr ControlLayout kDialogs[] = {
    DialogButton("bFile", 0, 834),      DialogButton("bClipboard", 100, 834),
    DialogButton("bCamera", 200, 834),  DialogButton("bTWAIN", 300, 834),
    DialogButton("bPrint", 400, 834),   DialogButton("bCancel", 500, 834),
    DialogButton("bClipart", 600, 834), DialogButton("bMail", 550, 235),
    DialogButton("bAVI", 200, 834),
};

constexpr WindowLayout kMainWindowLayout{"JumpForm", kMainWindow};
constexpr WindowLayout kDialogLayout{"Dialogs", kDialogs};

}  // namespace

const ControlLayout& WindowLayout::Control(std::string_view name) const {
  for (const ControlLayout& c : controls)
    if (c.name == name) return c;
  throw Error("No control " + std::string(name) + " in the layout of " + std::string(window));
}

const WindowLayout& MainWindowLayout() {
  return kMainWindowLayout;
}

const WindowLayout& DialogLayout() {
  return kDialogLayout;
}

std::vector<ControlLayout> SkinnedControls() {
  std::vector<ControlLayout> out;
  for (const WindowLayout* w : {&kMainWindowLayout, &kDialogLayout})
    for (const ControlLayout& c : w->controls)
      if (c.Skinned()) out.push_back(c);
  return out;
}

const ControlLayout& SkinnedControl(std::string_view name) {
  for (const WindowLayout* w : {&kMainWindowLayout, &kDialogLayout})
    for (const ControlLayout& c : w->controls)
      if (c.name == name && c.Skinned()) return c;
  throw Error("No skin cell for control " + std::string(name));
}

}  // namespace quillo
