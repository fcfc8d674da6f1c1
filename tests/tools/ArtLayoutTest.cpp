// The generated art against the main window's layout: shaped panels that keep
// clear of the controls beside them, light wells under the scales, dark
// ground under the captions the program writes, and pictures that continue
// the background they cover.
#include <gtest/gtest.h>

#include <string>

#include "ArtSupport.h"
#include "skin/core/CellPicture.h"
#include "skin/core/WindowPlaces.h"

namespace quillo {
namespace {

using testing::CountColour;
using testing::kAquaPixel;
using testing::MeanLuma;
using testing::ReadArt;

// A rectangle inside a cell, in the cell's own pixels.
Rect InCell(const Rect& cell, int x, int y, int w, int h) {
  return RectOfSize(cell.left + x, cell.top + y, w, h);
}
Rect InCell(const Rect& cell, const Rect& r) {
  return InCell(cell, r.left, r.top, r.Width(), r.Height());
}

class ArtLayoutTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sheet_ = new Bitmap(ReadArt(kSkinSheetFile).bitmap);
    main_ = new Bitmap(ReadArt(kMainBitmapFile).bitmap);
  }
  static void TearDownTestSuite() {
    delete sheet_;
    delete main_;
    sheet_ = main_ = nullptr;
  }
  static const Bitmap& Sheet() { return *sheet_; }
  static const Bitmap& Main() { return *main_; }
  static Rect PanelCell(const char* control) { return SkinnedControl(control).Cell(0); }
  static int AquaIn(const char* control, int x, int y, int w, int h) {
    return CountColour(Sheet(), InCell(PanelCell(control), x, y, w, h), kAquaPixel);
  }
  static int AquaIn(const char* control, const Rect& r) {
    return CountColour(Sheet(), InCell(PanelCell(control), r), kAquaPixel);
  }

  static Bitmap* sheet_;
  static Bitmap* main_;
};
Bitmap* ArtLayoutTest::sheet_ = nullptr;
Bitmap* ArtLayoutTest::main_ = nullptr;

// At start the side panels are parked with their inner edges in the window
// (left panel at x -112, right panel at x 602): they must not cover the mode
// buttons (client x 21..137 and 495..614, rows 70..186 and 251..369).
TEST_F(ArtLayoutTest, ParkedSidePanelsLeaveTheModeButtonsFree) {
  // Left panel: columns from 133 (client 21) on, at the rows of both left buttons.
  EXPECT_EQ(AquaIn("LeftPanel", 133, 16, 10, 117), 10 * 117);
  EXPECT_EQ(AquaIn("LeftPanel", 133, 197, 10, 113), 10 * 113);
  // Right panel: columns up to 12 (client 614), rows of both right buttons.
  EXPECT_EQ(AquaIn("RightPanel", 0, 18, 12, 117), 12 * 117);
  EXPECT_EQ(AquaIn("RightPanel", 0, 201, 12, 111), 12 * 111);
  // Yet each shows a grip in the window while parked.
  EXPECT_LT(AquaIn("LeftPanel", 112, 0, 31, 310), 31 * 310);
  EXPECT_LT(AquaIn("RightPanel", 0, 0, 28, 312), 28 * 312);
}

TEST_F(ArtLayoutTest, ControlsOnThePanelsLieInsideTheirShapes) {
  EXPECT_EQ(AquaIn("LeftPanel", kLeftSlider), 0) << "LeftSlider";
  EXPECT_EQ(AquaIn("RightPanel", kRightSlider), 0) << "RightSlider";
  EXPECT_EQ(AquaIn("MorphLeftPanel", kPaintBox1), 0) << "PaintBox1";
  EXPECT_EQ(AquaIn("MorphLeftPanel", kLoad1), 0) << "Load1";
  EXPECT_EQ(AquaIn("MorphRightPanel", kPaintBox2), 0) << "PaintBox2";
  EXPECT_EQ(AquaIn("MorphRightPanel", kLoad2), 0) << "Load2";
}

// Slid in at x -10 and 446, the morph panels must not cover the picture area
// (client x 171..461, rows 65..355).
TEST_F(ArtLayoutTest, MorphPanelsLeaveThePictureAreaFree) {
  EXPECT_EQ(AquaIn("MorphLeftPanel", 181, 11, 5, 290), 5 * 290);
  EXPECT_EQ(AquaIn("MorphRightPanel", 0, 11, 15, 290), 15 * 290);
}

// The program writes the scales in purple RGB (86, 0, 126) beside the sliders.
TEST_F(ArtLayoutTest, ScalesAreWrittenOnLightWells) {
  const Rect left = PanelCell("LeftPanel");
  EXPECT_GT(MeanLuma(Sheet(), InCell(left, 26, 44, 44, 250)), 200);
  const Rect right = PanelCell("RightPanel");
  EXPECT_GT(MeanLuma(Sheet(), InCell(right, 78, 44, 40, 240)), 200);
}

// The title is written in yellow, the mode captions in silver, "Exit" in
// yellow: the art under them must be dark.
TEST_F(ArtLayoutTest, CaptionsOfTheProgramFallOnDarkGround) {
  EXPECT_LT(MeanLuma(Main(), InArt(kTitleLabel)), 40) << "title";
  for (const ModePlace& place : kModePlaces) {
    const Rect r = InArt(place.caption);
    EXPECT_LT(MeanLuma(Main(), r), 70) << "caption at " << r.left << ", " << r.top;
  }
  const ControlLayout& exit = SkinnedControl("GraphicButton5");
  EXPECT_LT(MeanLuma(Main(), InArt(kExitLabel)), 120) << "quiet exit";
  // The label in the exit button's own pixels, where its lit cells show it.
  const Rect label =
      RectOfSize(kExitLabel.left - kExitButton.left, kExitLabel.top - kExitButton.top,
                 kExitLabel.Width(), kExitLabel.Height());
  for (int i = 0; i < 2; ++i)
    EXPECT_LT(MeanLuma(Sheet(), InCell(exit.Cell(i), label)), 140) << "exit cell " << i;
}

// Load and Save cells are 66 x 66 but drawn squeezed into 66 x 60, while the
// shape is cut from the cell row for row: panel row r shows the cell row the
// squeeze takes for it, so every pixel inside the shape at row r must be art
// at that row too, or aqua would show.
TEST_F(ArtLayoutTest, SqueezedTabsShowNoAquaInsideTheirShape) {
  for (const char* control : {"LoadPanel", "SavePanel"}) {
    const ControlLayout& cell = SkinnedControl(control);
    for (int i = 0; i < cell.cellCount; ++i) {
      const Rect r = cell.Cell(i);
      for (int row = 0; row < 60; ++row) {
        const int shown = NearestSource(row, r.Height(), 60);
        for (int x = 0; x < r.Width(); ++x) {
          const bool inShape = ColourBits(Sheet().At(r.left + x, r.top + row)) != kAquaPixel;
          const bool art = ColourBits(Sheet().At(r.left + x, r.top + shown)) != kAquaPixel;
          if (inShape && !art)
            ADD_FAILURE() << control << " cell " << i << " at " << x << ", " << row;
        }
      }
    }
  }
}

// The home picture and the opaque shortcut buttons cover the background art:
// their edges must continue it.
TEST_F(ArtLayoutTest, OpaquePicturesContinueTheBackground) {
  const Bitmap home = ReadArt(kStartPictureFile).bitmap;
  const Rect place = InArt(kHomePicture);
  const int right = place.Width() - 1, bottom = place.Height() - 1;
  for (const auto& [x, y] :
       {std::pair{0, 0}, std::pair{right, 0}, std::pair{0, bottom}, std::pair{right, bottom}})
    EXPECT_EQ(ColourBits(home.At(x, y)), ColourBits(Main().At(place.left + x, place.top + y)))
        << "home picture corner " << x << ", " << y;
  struct Place {
    const char* control;
    Rect client;
  };
  for (const Place& p :
       {Place{"GraphicButton6", kShortcuts[0]}, Place{"GraphicButton7", kShortcuts[1]},
        Place{"GraphicButton8", kShortcuts[2]}, Place{"GraphicButton9", kShortcuts[3]},
        Place{"bnClose", kCloseButton}, Place{"bnMinimize", kMinimizeButton}}) {
    const ControlLayout& cell = SkinnedControl(p.control);
    const Rect behind = InArt(p.client);
    for (int i = 0; i < cell.cellCount; ++i) {
      const Rect r = cell.Cell(i);
      EXPECT_EQ(ColourBits(Sheet().At(r.left, r.top)),
                ColourBits(Main().At(behind.left, behind.top)))
          << p.control << " cell " << i;
    }
  }
}

// The mirror icons are copied onto the right slider without a key: around
// their tiles they must repeat the panel beneath them.
TEST_F(ArtLayoutTest, MirrorIconsContinueTheRightPanel) {
  const Rect panel = PanelCell("RightPanel");
  for (const MirrorIcon& icon : kMirrorIcons) {
    for (bool chosen : {false, true}) {
      const Rect r = icon.Cell(chosen);
      const Pixel under = Sheet().At(panel.left + kRightSlider.left + icon.sliderX,
                                     panel.top + kRightSlider.top + icon.sliderY);
      EXPECT_EQ(ColourBits(Sheet().At(r.left, r.top)), ColourBits(under))
          << icon.name << (chosen ? " chosen" : "");
    }
  }
}

// The faces are photographs, not flat fills, and the two blend faces differ.
TEST_F(ArtLayoutTest, FacesArePhotographs) {
  const Bitmap white = ReadArt(kWhiteFaceFile).bitmap;
  const Bitmap black = ReadArt(kBlackFaceFile).bitmap;
  EXPECT_NE(white, black);
  for (const Bitmap* face : {&white, &black}) {
    const Rect middle = RectOfSize(100, 100, 90, 90);
    const double mean = MeanLuma(*face, middle);
    EXPECT_GT(mean, 40);
    EXPECT_LT(mean, 230);
    EXPECT_NE(face->At(0, 0), face->At(289, 289));
  }
}

}  // namespace
}  // namespace quillo
