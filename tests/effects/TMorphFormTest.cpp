// The morph screen's state and its files: the start-up morph, loading with
// all-or-nothing replacement, saving, and a slider change.
#include "effects/TMorphForm.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <fstream>

#include "base/Error.h"
#include "base/FileBytes.h"
#include "effects/core/MorphDisplay.h"
#include "effects/core/MorphEngine.h"
#include "effects/core/MorphFile.h"
#include "skin/core/SmoothDraw.h"
#include "support/RecordingServices.h"

namespace quillo {
namespace {

Bitmap Face(int seed) {
  Bitmap b(kMorphSize, kMorphSize);
  for (int y = 0; y < kMorphSize; ++y)
    for (int x = 0; x < kMorphSize; ++x) b.At(x, y) = MakePixel(x * seed, y * 3, (x + y) ^ seed);
  return b;
}

MorphModel SampleMorph(int seed) {
  MorphModel m;
  m.SetFace(MorphPicture::One, Face(seed));
  m.SetFace(MorphPicture::Two, Face(seed + 1));
  MorphLine l = LineAt({20, 30}, {100, 110});
  l.Start2 = {40, 20};
  m.AddLine(l);
  m.AddLine(LineAt({120, 10}, {30, 140}));
  return m;
}

Bitmap Doubled(const Bitmap& picture) {
  Bitmap display(kDisplaySize, kDisplaySize);
  SmoothDraw(display, {0, 0, kDisplaySize, kDisplaySize}, picture);
  return display;
}

class MorphForm : public ::testing::Test {
 protected:
  std::string File(const char* name) const { return dir_.filePath(name).toStdString(); }
  std::string Write(const char* name, const MorphModel& m) const {
    WriteMorphFile(File(name), m);
    return File(name);
  }
  std::string WriteBytes(const char* name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream(File(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    return File(name);
  }

  QTemporaryDir dir_;
  testing::RecordingMessageBoxes messages_;
  TMorphForm form_{messages_};
};

TEST_F(MorphForm, StartMorphShowsPictureOneWithoutComputingAFrame) {
  const MorphModel m = SampleMorph(3);
  form_.LoadStartMorph(Write("start.mph", m));
  EXPECT_TRUE(messages_.errors.isEmpty());
  EXPECT_EQ(form_.Morph.LineCount(), 2);
  EXPECT_EQ(form_.Morph.SourceBitmap2(), m.SourceBitmap2());
  EXPECT_EQ(form_.DisplayBitmap, Doubled(m.SourceBitmap1()));
  EXPECT_EQ(form_.Morph.Lines()[0].StartNow, m.Lines()[0].StartNow);  // not moved in between
}

TEST_F(MorphForm, MissingOrDamagedStartMorphGivesBlankFacesAndOneErrorBox) {
  const std::string missing = File("none.mph");
  form_.LoadStartMorph(missing);
  ASSERT_EQ(messages_.errors.size(), 1);
  EXPECT_EQ(messages_.errors[0].toStdString(), "Cannot open file " + missing);
  EXPECT_EQ(form_.Morph.LineCount(), 0);
  EXPECT_EQ(form_.Morph.SourceBitmap1(), Bitmap(145, 145, kBlankFace));
  EXPECT_EQ(form_.Morph.SourceBitmap2(), Bitmap(145, 145, kBlankFace));
  EXPECT_EQ(form_.DisplayBitmap, Bitmap(290, 290, kBlankFace));

  std::vector<std::uint8_t> bytes = EncodeMorphFile(SampleMorph(1));
  bytes.resize(bytes.size() - 10);  // picture 2 cut short
  testing::RecordingMessageBoxes messages;
  TMorphForm form(messages);
  form.LoadStartMorph(WriteBytes("cut.mph", bytes));
  ASSERT_EQ(messages.errors.size(), 1);
  EXPECT_EQ(messages.errors[0], "Bitmap image is not valid");
  EXPECT_EQ(form.Morph.LineCount(), 0);
}

TEST_F(MorphForm, LoadingReplacesTheMorphAndShowsPositionZero) {
  form_.LoadStartMorph(Write("start.mph", SampleMorph(3)));
  const MorphModel next = SampleMorph(7);
  form_.LoadMorphFile(Write("next.mph", next));
  EXPECT_EQ(form_.Morph.SourceBitmap1(), next.SourceBitmap1());
  EXPECT_EQ(form_.Morph.FrameBitmap(), next.SourceBitmap1());
  EXPECT_EQ(form_.DisplayBitmap, Doubled(next.SourceBitmap1()));
}

TEST_F(MorphForm, DamagedFileLeavesTheMorphExactlyAsItWas) {
  form_.LoadStartMorph(Write("start.mph", SampleMorph(3)));
  form_.ShowFrame(40, 100);
  const std::vector<std::uint8_t> before = EncodeMorphFile(form_.Morph);
  const Bitmap frame = form_.Morph.FrameBitmap();
  const Bitmap display = form_.DisplayBitmap;

  const std::vector<std::uint8_t> good = EncodeMorphFile(SampleMorph(9));
  std::vector<std::vector<std::uint8_t>> damaged(4, good);
  damaged[0][3] = 0x80;                  // negative count
  damaged[1].resize(4 + 96 + 20);        // records cut short
  damaged[2][4 + 2 * 96 + 84154] = 'X';  // picture 2 without "BM"
  damaged[3].resize(good.size() - 1);    // picture 2 cut short
  for (const auto& bytes : damaged) {
    EXPECT_THROW(form_.LoadMorphFile(WriteBytes("bad.mph", bytes)), Error);
    EXPECT_EQ(EncodeMorphFile(form_.Morph), before);
    EXPECT_EQ(form_.Morph.FrameBitmap(), frame);
    EXPECT_EQ(form_.DisplayBitmap, display);
  }
  EXPECT_THROW(form_.LoadMorphFile(File("none.mph")), Error);
  EXPECT_EQ(EncodeMorphFile(form_.Morph), before);
}

TEST_F(MorphForm, SavingWritesTheMorphAndNamesAFileThatCannotBeCreated) {
  form_.LoadStartMorph(Write("start.mph", SampleMorph(3)));
  form_.ShowFrame(30, 100);
  const std::string path = File("saved.mph");
  form_.WriteMorphFile(path);
  EXPECT_EQ(ReadFileBytes(path), EncodeMorphFile(form_.Morph));
  EXPECT_EQ(ReadFileBytes(path).size(), 168312u + 96 * 2);

  const std::string nowhere = File("missing/saved.mph");
  try {
    form_.WriteMorphFile(nowhere);
    ADD_FAILURE() << "saved into a missing folder";
  } catch (const Error& e) {
    EXPECT_EQ(e.what(), "Cannot create file " + nowhere + ": the folder does not exist.");
  }
}

TEST_F(MorphForm, SliderChangeShowsTheComputedFrameAtTwiceItsSize) {
  form_.LoadStartMorph(Write("start.mph", SampleMorph(3)));
  MorphModel expected = SampleMorph(3);
  ComputeFrame(expected, 50, 100);
  form_.ShowFrame(50, 100);
  EXPECT_EQ(form_.Morph.FrameBitmap(), expected.FrameBitmap());
  EXPECT_EQ(form_.DisplayBitmap, Doubled(expected.FrameBitmap()));
}

}  // namespace
}  // namespace quillo
