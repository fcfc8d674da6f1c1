#include "TMorphForm.h"

#include "base/Error.h"
#include "effects/core/MorphDisplay.h"
#include "effects/core/MorphFile.h"
#include "io/MessageBoxes.h"
#include "skin/TGraphicSlider.h"
#include "skin/TPaintBox.h"

namespace quillo {

TMorphForm::TMorphForm(MessageBoxes& messages, FaceFinder* faces)
    : messages_(messages), faces_(faces) {}

void TMorphForm::Attach(const MorphScreenParts& parts) {
  parts_.emplace(parts);
  for (TPaintBox* box : {&parts.PaintBox, &parts.PaintBox1, &parts.PaintBox2})
    box->setAttribute(Qt::WA_OpaquePaintEvent);
  // Hovering over a line's end lights the line up.
  parts.PaintBox1.setMouseTracking(true);
  parts.PaintBox2.setMouseTracking(true);
}

void TMorphForm::LoadStartMorph(const std::string& path) {
  try {
    Morph.ReplaceWith(ReadMorphFile(path));
  } catch (const Error& e) {
    Morph.ReplaceWith(MorphModel());
    messages_.ShowError(QString::fromStdString(e.what()));
  }
  LinesReplaced();
  DrawMorphDisplay(DisplayBitmap, Morph.SourceBitmap1());
}

void TMorphForm::LoadMorphFile(const std::string& path) {
  Morph.ReplaceWith(ReadMorphFile(path));
  LinesReplaced();
  ShowFrame(0, kSliderMax);
}

void TMorphForm::Recorded(const std::function<void()>& change) {
  if (!parts_) return change();
  recorder_.Begin(Morph, parts_->TrackBar.Value());
  try {
    change();
  } catch (...) {
    EndRecording();  // a failed load changed nothing; anything else is kept
    throw;
  }
  EndRecording();
}

void TMorphForm::EndRecording() {
  if (!parts_ || !recorder_.Recording()) return;
  std::unique_ptr<UndoStep> step =
      recorder_.End(Morph, parts_->TrackBar.Value(),
                    [this](int position, bool recompute) { ShowRestored(position, recompute); });
  if (step && parts_->Record) parts_->Record(std::move(step));
}

void TMorphForm::ShowRestored(int position, bool recompute) {
  if (!parts_) return;
  LinesReplaced();
  if (recompute) {
    // The slider's change recomputes the frame; at the same place it is asked.
    if (parts_->TrackBar.Value() != position)
      parts_->TrackBar.SetValue(position);
    else
      TrackBarChange();
  }
  parts_->PaintBox1.update();
  parts_->PaintBox2.update();
}

void TMorphForm::LinesReplaced() {
  Editing.Reset();
  UpdateHints();
}

void TMorphForm::WriteMorphFile(const std::string& path) const {
  quillo::WriteMorphFile(path, Morph);
}

void TMorphForm::ShowFrame(int value, int max) {
  ShowMorphFrame(Morph, value, max, DisplayBitmap);
}

void TMorphForm::TrackBarChange() {
  if (!parts_) return;
  ShowFrame(parts_->TrackBar.Value(), parts_->TrackBar.Max());
  parts_->TrackBar.repaint();
  parts_->PaintBox.repaint();
}

ScreenHandlers TMorphForm::Handlers() {
  ScreenHandlers h;
  h.paintBox.OnPaint = [this](QWidget*, QPainter& canvas) { PaintBoxPaint(canvas); };
  const PaintBoxHandlers::Button down = [this](TPaintBox* sender, Qt::MouseButton button,
                                               Qt::KeyboardModifiers, int x,
                                               int y) { PaintBoxMouseDown(sender, button, x, y); };
  const decltype(PaintBoxHandlers::OnMouseMove) move = [this](TPaintBox* sender,
                                                              Qt::KeyboardModifiers, int x, int y) {
    PaintBoxMouseMove(sender, x, y);
  };
  const PaintBoxHandlers::Button up = [this](TPaintBox*, Qt::MouseButton, Qt::KeyboardModifiers,
                                             int, int) { PaintBoxMouseUp(); };
  h.paintBox1 = {
      [this](QWidget*, QPainter& canvas) { PaintBox1Paint(canvas); }, down, move, up, {}};
  h.paintBox2 = {
      [this](QWidget*, QPainter& canvas) { PaintBox2Paint(canvas); }, down, move, up, {}};
  h.paintBox1Drop = FaceDrop(MorphPicture::One);
  h.paintBox2Drop = FaceDrop(MorphPicture::Two);
  h.paintBoxDrop = MorphFileDrop();
  h.load1Click = [this](TGraphicButton*) { Load1Click(); };
  h.load2Click = [this](TGraphicButton*) { Load2Click(); };
  h.loadClick = [this](TNonRectPanel*) { bLoadClick(); };
  h.saveClick = [this](TNonRectPanel*) { bSaveClick(); };
  h.trackBarChange = [this](TGraphicSlider*) { TrackBarChange(); };
  return h;
}

}  // namespace quillo
