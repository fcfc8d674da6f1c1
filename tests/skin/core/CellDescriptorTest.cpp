// The cell descriptor, its registry and its written form.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/Error.h"
#include "skin/core/PictureHolder.h"
#include "skin/core/ResourceLayout.h"
#include "skin/core/SkinLayout.h"
#include "skin/core/TGraphicResource.h"

namespace quillo {
namespace {

TEST(CellDescriptor, ASheetChangeTellsEveryBoundDescriptorInOrderOfConstructionAndNoOther) {
  PictureHolder sheet("Resource");
  PictureHolder other("Slider");
  std::vector<std::string> told;
  TGraphicResource first;
  TGraphicResource elsewhere;
  TGraphicResource second;
  first.SetImage(&sheet);
  elsewhere.SetImage(&other);
  second.SetImage(&sheet);
  first.OnChange = [&](TGraphicResource*) { told.push_back("first"); };
  elsewhere.OnChange = [&](TGraphicResource*) { told.push_back("elsewhere"); };
  second.OnChange = [&](TGraphicResource*) { told.push_back("second"); };
  {
    TGraphicResource gone;  // leaves the registry with its control
    gone.SetImage(&sheet);
  }
  sheet.SetPicture(Bitmap(4, 4));
  EXPECT_EQ(told, (std::vector<std::string>{"first", "second"}));
}

TEST(CellDescriptor, SettersNotifyOnlyARealChange) {
  TGraphicResource r;
  int changes = 0;
  r.OnChange = [&](TGraphicResource* sender) {
    EXPECT_EQ(sender, &r);
    ++changes;
  };
  r.SetCols(2);  // the default
  r.SetIndex(0);
  r.SetColor(kColorNone);
  EXPECT_EQ(changes, 0);
  r.SetIndex(3);
  r.SetIndex(3);
  r.SetLeft(-7);  // no setter validates
  EXPECT_EQ(changes, 2);
  r.AutoEnter = 5;  // plain stores
  EXPECT_EQ(changes, 2);
}

TEST(CellDescriptor, CellsAreAddressedByColumnAndRowWithTheControlsSizeForZero) {
  TGraphicResource r;
  r.SetLeft(132);
  r.SetTop(903);
  r.SetWidth(44);
  r.SetHeight(44);
  r.SetCols(3);
  r.SetIndex(4);
  EXPECT_EQ(r.CellRect(10, 10), RectOfSize(176, 947, 44, 44));

  TGraphicResource close;  // 19 x 21 with zero sizes
  close.SetLeft(583);
  close.SetTop(39);
  close.SetIndex(1);
  EXPECT_EQ(close.CellRect(19, 21), RectOfSize(602, 39, 19, 21));
  EXPECT_EQ(close.ThumbCell(), RectOfSize(583, 39, 0, 0));  // sliders keep the zeros
  EXPECT_EQ(SkinnedControl("bnClose").Cell(1), RectOfSize(602, 39, 19, 21));
  EXPECT_EQ(SkinnedControl("GraphicButton8").Cell(4), RectOfSize(176, 947, 44, 44));
  EXPECT_EQ(SkinnedControl("LeftSlider").Cell(0).Height(), 0);
}

TEST(CellDescriptor, PointerStatesSkipMinusOneAndOnlyChangesNotify) {
  TGraphicResource r(-1, 2);  // a tab: normal unchanged, pressed 2
  r.AutoEnter = 1;
  r.AutoLeave = 0;
  std::vector<int> shown;
  r.OnChange = [&](TGraphicResource* s) { shown.push_back(s->Index()); };
  r.PointerEntered();
  r.LeftPressed();
  r.LeftReleased();  // AutoNormal -1: stays pressed
  r.PointerLeft();
  r.PointerLeft();  // already 0: no notification
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 0}));
}

TEST(CellDescriptor, WritingALayoutOmitsDefaultsButAlwaysWritesRowsColsAndImage) {
  using Props = LayoutProperties;
  EXPECT_EQ(WriteResourceLayout({}), (Props{{"Rows", "1"}, {"Cols", "2"}, {"Image", "Resource"}}));
  const ResourceLayout panel = MainWindowLayout().Control("LoadPanel").resource;
  const Props written = WriteResourceLayout(panel);
  EXPECT_EQ(written, (Props{{"AutoNormal", "-1"},
                            {"AutoPressed", "2"},
                            {"AutoEnter", "1"},
                            {"AutoLeave", "0"},
                            {"Rows", "1"},
                            {"Cols", "3"},
                            {"Top", "320"},
                            {"Height", "66"},
                            {"Color", "16776960"},
                            {"Image", "Resource"}}));
  // Read back over the defaults, it is the same descriptor.
  EXPECT_EQ(ReadResourceLayout(written, {"Slider", "Resource"}), panel);
  EXPECT_THROW(ReadResourceLayout({{"Colour", "1"}}, {}), Error);
  EXPECT_THROW(ReadResourceLayout({{"Left", "12px"}}, {}), Error);
  EXPECT_THROW(ReadResourceLayout({{"Image", "Elsewhere"}}, {"Resource"}), Error);

  // A live descriptor writes what it holds.
  PictureHolder sheet("Resource");
  TGraphicResource r(-1, -1);
  r.Load(panel, &sheet);
  EXPECT_EQ(r.Layout(), panel);
}

TEST(CellDescriptor, EveryLayoutParentComesBeforeItsChildren) {
  for (const WindowLayout* layout : {&MainWindowLayout(), &DialogLayout()}) {
    std::vector<std::string_view> seen;
    for (const ControlLayout& c : layout->controls) {
      if (!c.parent.empty()) {
        EXPECT_NE(std::find(seen.begin(), seen.end(), c.parent), seen.end()) << c.name;
      }
      EXPECT_GE(c.resource.cols, 1) << c.name;
      seen.push_back(c.name);
    }
  }
}

}  // namespace
}  // namespace quillo
