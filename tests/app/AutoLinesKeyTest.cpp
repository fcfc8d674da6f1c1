// Ctrl+L on the Morphing screen: lines on both faces as one undoable step,
// a message naming the picture without a face, and the reason where face
// detection is missing; nothing changes then.
#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>

#include "app/QuilloWindows.h"
#include "effects/FaceFinder.h"
#include "effects/TMorphForm.h"
#include "effects/core/FaceLines.h"
#include "effects/core/MorphSteps.h"
#include "io/PictureFile.h"
#include "support/WindowsTest.h"

namespace quillo {
namespace {

std::string Asset(const std::string& name) {
  return std::string(QUILLO_SOURCE_DIR) + "/assets/" + name;
}

class AutoLinesKey : public testing::WindowsTest {
 protected:
  void SetUp() override {
    QApplication::setActiveWindow(&Form());
    QCoreApplication::processEvents();
    Form().GraphicButton2Click();  // the Morphing screen
  }
  TMorphForm& Morph() { return *windows_->MorphForm; }
  void PlaceLines() { QTest::keyClick(&Form(), Qt::Key_L, Qt::ControlModifier); }
  void Undo() { QTest::keyClick(&Form(), Qt::Key_Z, Qt::ControlModifier); }
  void Redo() { QTest::keyClick(&Form(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
  bool Detecting() const { return recorded_.services.faces->Available(); }
};

TEST_F(AutoLinesKey, PlacesMatchingLinesOnBothFacesAsOneStep) {
  if (!Detecting()) GTEST_SKIP() << recorded_.services.faces->WhyUnavailable();
  // The photos as loaded, larger than the faces: the detector looks at them.
  Morph().Morph.ReplaceFace(MorphPicture::One, LoadPictureFile(Asset("astronaut.png")));
  Morph().Morph.ReplaceFace(MorphPicture::Two, LoadPictureFile(Asset("chelsea.png")));
  Morph().Morph.AddLine(LineAt({10, 10}, {30, 40}));
  const std::vector<MorphLine> before = LinesOf(Morph().Morph);

  PlaceLines();
  EXPECT_TRUE(Errors().isEmpty()) << Errors().join("; ").toStdString();
  const std::vector<MorphLine> placed = LinesOf(Morph().Morph);
  ASSERT_EQ(placed.size(), FeatureLines().size());
  for (const MorphLine& line : placed) EXPECT_TRUE(IsUsable(line));
  // The astronaut's eyes lie high in her photo, the cat's in the middle of its face.
  EXPECT_LT(placed[0].Start1.y, 40);
  EXPECT_GT(placed[0].Start2.y, 50);

  Undo();
  EXPECT_EQ(LinesOf(Morph().Morph), before);
  Redo();
  EXPECT_EQ(LinesOf(Morph().Morph), placed);
  // They are ordinary lines: the right button deletes one.
  Morph().PaintBoxMouseMove(Form().PaintBox1, static_cast<int>(placed.back().Start1.x),
                            static_cast<int>(placed.back().Start1.y));
  ASSERT_GE(Morph().Editing.HotLine, 0);
  Morph().PaintBoxMouseDown(Form().PaintBox1, Qt::RightButton, 0, 0);
  EXPECT_EQ(Morph().Morph.LineCount(), static_cast<int>(placed.size()) - 1);
}

TEST_F(AutoLinesKey, APictureWithoutAFaceIsNamedAndNothingChanges) {
  if (!Detecting()) GTEST_SKIP() << recorded_.services.faces->WhyUnavailable();
  Morph().Morph.ReplaceFace(MorphPicture::One, LoadPictureFile(Asset("astronaut.png")));
  Morph().Morph.ReplaceFace(MorphPicture::Two, LoadPictureFile(Asset("coffee.png")));
  Morph().Morph.AddLine(LineAt({10, 10}, {30, 40}));
  const std::vector<MorphLine> before = LinesOf(Morph().Morph);
  PlaceLines();
  ASSERT_EQ(Errors().size(), 1);
  EXPECT_TRUE(Errors()[0].contains("picture 2")) << Errors()[0].toStdString();
  EXPECT_EQ(LinesOf(Morph().Morph), before);
  // Nothing was recorded: there is nothing for Ctrl+Z to take back.
  Undo();
  EXPECT_EQ(LinesOf(Morph().Morph), before);

  // Away from the Morphing screen the key does nothing.
  Form().ExitClick();
  PlaceLines();
  EXPECT_EQ(Errors().size(), 1);
}

// Built so that the cascades are missing before the windows start.
struct WithoutCascades {
  WithoutCascades() { setenv("QUILLO_CASCADE_FOLDER", "/nonexistent", 1); }
  ~WithoutCascades() { unsetenv("QUILLO_CASCADE_FOLDER"); }
};

class AutoLinesWithoutDetection : WithoutCascades, public AutoLinesKey {};

TEST_F(AutoLinesWithoutDetection, SaysWhatIsMissingAndChangesNothing) {
  const std::vector<MorphLine> before = LinesOf(Morph().Morph);
  PlaceLines();
  ASSERT_EQ(Errors().size(), 1);
  EXPECT_EQ(Errors()[0].toStdString(), kNoFaceDetection);
  EXPECT_EQ(LinesOf(Morph().Morph), before);
}

}  // namespace
}  // namespace quillo
