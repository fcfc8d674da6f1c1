// The screens' undo steps driven on their models: undo and redo give back
// the states before and after bit for bit, steps keep only what changed, and
// a long session stays within the budget.
#include <gtest/gtest.h>

#include "app/core/ScreenHistories.h"
#include "effects/core/BlendSteps.h"
#include "effects/core/LineEditing.h"
#include "effects/core/MorphSteps.h"
#include "effects/core/WarpSteps.h"

namespace quillo {
namespace {

Bitmap Gradient(int w, int h, int seed) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.At(x, y) = MakePixel(x * 3 + seed, y * 2, (x + y + seed) & 0xFF);
  return b;
}

struct WarpState {
  std::vector<double> x, y;
  Bitmap face;
  MirrorSettings settings;
  bool operator==(const WarpState&) const = default;
};

// A warp model with the sliders beside it, as the screen holds them.
struct WarpScreen {
  WarpModel model;
  MirrorSettings sliders{7, 10, WarpField, 0, 0};
  ApplyMirrorSettings Apply() {
    return [this](const MirrorSettings& s) {
      sliders = s;
      model.SetMode(s.tag);
      model.SetCenter(s.centerX, s.centerY);
    };
  }
  MirrorSettings Settings() const {
    return {sliders.leftSlider, sliders.rightSlider, model.Tag(), model.CenterX(), model.CenterY()};
  }
  WarpState State() const {
    return {model.ShiftX(), model.ShiftY(), model.FaceBitmap(), Settings()};
  }
  // A stroke as the window makes it: the press bakes the scale, the right
  // slider goes back to 10, the brush moves.
  std::unique_ptr<UndoStep> Stroke(int x, int y, int dx, int dy, int steps = 6) {
    MirrorWindowRecorder recorder;
    recorder.Begin(model, Settings());
    model.BeginPress(x, y, sliders.rightSlider);
    sliders.rightSlider = 10;
    model.StartDrag();
    for (int i = 1; i <= steps; ++i) model.DragStep(x + dx * i, y + dy * i);
    model.EndDrag();
    return recorder.End(model, Settings(), Apply());
  }
};

TEST(WarpSteps, AStrokeWithItsBakeUndoesAndRedoesBitForBitAndKeepsOnlyItsRectangle) {
  WarpScreen s;
  s.model.SetFacePicture(Gradient(200, 160, 0));
  s.model.SetBrushRadius(30);
  ASSERT_TRUE(s.Stroke(100, 100, 4, 2));
  s.sliders.rightSlider = 6;  // the view weakened: the next press bakes 0.6
  const WarpState before = s.State();
  std::unique_ptr<UndoStep> step = s.Stroke(200, 180, -3, 5);
  ASSERT_TRUE(step);
  const WarpState after = s.State();
  EXPECT_EQ(after.settings.rightSlider, 10);
  // The bake touched the first stroke's area, the brush its own: not the whole field.
  EXPECT_LT(step->Bytes(), 4u * 200 * 200 * sizeof(double));

  step->Undo();
  EXPECT_EQ(s.State(), before);
  step->Redo();
  EXPECT_EQ(s.State(), after);

  // A press that changes nothing (no move, scale at full) is no step.
  MirrorWindowRecorder idle;
  idle.Begin(s.model, s.Settings());
  EXPECT_FALSE(idle.End(s.model, s.Settings(), s.Apply()));
}

TEST(WarpSteps, ANewFaceGoesBackWithItsFieldAndSettings) {
  WarpScreen s;
  s.model.SetFacePicture(Gradient(320, 320, 1));
  s.Stroke(160, 160, 5, 0);
  s.sliders.rightSlider = 4;
  const WarpState before = s.State();
  MirrorWindowRecorder recorder;
  recorder.Begin(s.model, s.Settings(), true);
  s.model.SetFacePicture(Gradient(50, 80, 9));
  s.sliders.rightSlider = 10;
  std::unique_ptr<UndoStep> step = recorder.End(s.model, s.Settings(), s.Apply());
  ASSERT_TRUE(step);
  EXPECT_TRUE(recorder.ChangedFaceOrField());
  const WarpState after = s.State();
  step->Undo();
  EXPECT_EQ(s.State(), before);
  step->Redo();
  EXPECT_EQ(s.State(), after);
}

TEST(WarpSteps, TenThousandStrokesStayWithinTheBudgetAndTheLastHundredUndo) {
  WarpScreen s;
  s.model.SetFacePicture(Gradient(320, 320, 2));
  s.model.SetBrushRadius(60);
  ScreenHistories histories(64u * 1024 * 1024);
  std::vector<WarpState> states;
  for (int i = 0; i < 10000; ++i) {
    if (i >= 9900) states.push_back(s.State());
    histories.Record(1, s.Stroke(40 + i * 7 % 240, 40 + i * 13 % 240, 3, -2, 1), true);
    ASSERT_LE(histories.Budget().Bytes(), histories.Budget().MaxBytes());
  }
  UndoHistory& warping = *histories.Of(1);
  ASSERT_GE(warping.UndoCount(), 100u);
  for (int i = 99; i >= 0; --i) {
    ASSERT_TRUE(warping.Undo());
    ASSERT_EQ(s.State(), states[static_cast<std::size_t>(i)]) << i;
  }
}

TEST(ScreenHistories, AFieldChangeOnOneMirrorScreenClearsTheOthersHistory) {
  ScreenHistories histories;
  WarpScreen s;
  s.model.SetFacePicture(Gradient(320, 320, 3));
  histories.Record(2, s.Stroke(100, 100, 2, 2), true);
  histories.Record(4, s.Stroke(120, 100, 2, 2), false);
  ASSERT_EQ(histories.Of(2)->UndoCount(), 1u);
  histories.Record(0, s.Stroke(140, 100, 2, 2), true);  // home: Warping's
  EXPECT_EQ(histories.Of(1)->UndoCount(), 1u);
  EXPECT_EQ(histories.Of(2)->UndoCount(), 0u);
  EXPECT_EQ(histories.Of(4)->UndoCount(), 1u);
}

TEST(BlendSteps, AStrokeARestartAndALoadEachGoBackAndForthExactly) {
  BlendModel model;
  model.SetPicture(BlendPicture::Left, Gradient(kBlendSide, kBlendSide, 4));
  model.SetPicture(BlendPicture::Right, Gradient(kBlendSide, kBlendSide, 90));
  model.Restart(1);
  int base = 1;
  const auto apply = [&base](int b) { base = b; };
  const auto snapshot = [&] {
    return std::tuple(model.LeftFace(), model.RightFace(), model.BlendBitmap(), base);
  };
  struct Change {
    const char* what;
    std::function<void()> run;
  } changes[] = {
      {"stroke",
       [&] {
         model.ChooseAnchor(2, 100, 100);
         model.BeginStroke(140, 150);
         for (int i = 0; i < 8; ++i) model.Dab(2, false, 140 + 3 * i, 150);
         model.EndStroke();
       }},
      {"restart", [&] { model.Restart(2), base = 2; }},
      {"load", [&] { model.FitPicture(BlendPicture::Left, Gradient(40, 90, 7)); }},
  };
  for (const Change& change : changes) {
    const auto before = snapshot();
    BlendRecorder recorder;
    recorder.Begin(model, base);
    change.run();
    std::unique_ptr<UndoStep> step = recorder.End(model, base, apply);
    ASSERT_TRUE(step) << change.what;
    const auto after = snapshot();
    step->Undo();
    EXPECT_TRUE(snapshot() == before) << change.what;
    step->Redo();
    EXPECT_TRUE(snapshot() == after) << change.what;
    if (std::string(change.what) == "stroke") {
      EXPECT_LT(step->Bytes(), 2u * 80 * 50 * sizeof(Pixel))
          << "a stroke kept more than its pixels";
    }
  }
}

TEST(MorphSteps, LinesFacesAndTheSliderGoBackAndForthExactly) {
  MorphModel model;
  model.SetFace(MorphPicture::One, Gradient(kMorphSize, kMorphSize, 5));
  LineEditing editing;
  int position = 30;
  bool recomputed = false;
  const auto apply = [&](int p, bool recompute) {
    position = p;
    recomputed = recompute;
  };
  const auto snapshot = [&] {
    return std::tuple(LinesOf(model), model.SourceBitmap1(), model.SourceBitmap2(), position);
  };
  struct Change {
    const char* what;
    bool recomputes;
    std::function<void()> run;
  } changes[] = {
      {"draw", false,
       [&] {
         editing.MouseDown(model, MorphPicture::One, EditButton::Left, 20, 30);
         editing.MouseMove(model, MorphPicture::One, 60, 90);
         editing.MouseUp();
       }},
      {"drag", false,
       [&] {
         editing.MouseMove(model, MorphPicture::Two, 60, 90);
         editing.MouseDown(model, MorphPicture::Two, EditButton::Left, 60, 90);
         editing.MouseMove(model, MorphPicture::Two, 70, 100);
         editing.MouseUp();
       }},
      {"face", true,
       [&] {
         model.ReplaceFace(MorphPicture::Two, Gradient(30, 30, 8));
         editing.Reset();
       }},
      {"file", true,
       [&] {
         MorphModel other;
         other.AddLine(LineAt({1, 2}, {30, 40}));
         model.ReplaceWith(other);
         position = 0;
       }},
  };
  for (const Change& change : changes) {
    const auto before = snapshot();
    MorphRecorder recorder;
    recorder.Begin(model, position);
    change.run();
    std::unique_ptr<UndoStep> step = recorder.End(model, position, apply);
    ASSERT_TRUE(step) << change.what;
    const auto after = snapshot();
    step->Undo();
    EXPECT_TRUE(snapshot() == before) << change.what;
    EXPECT_EQ(recomputed, change.recomputes) << change.what;
    step->Redo();
    EXPECT_TRUE(snapshot() == after) << change.what;
  }
}

}  // namespace
}  // namespace quillo
