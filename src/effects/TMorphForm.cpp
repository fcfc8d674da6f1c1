#include "TMorphForm.h"

#include "base/Error.h"
#include "effects/core/MorphDisplay.h"
#include "effects/core/MorphFile.h"
#include "io/MessageBoxes.h"

namespace quillo {

TMorphForm::TMorphForm(MessageBoxes& messages) : messages_(messages) {}

void TMorphForm::LoadStartMorph(const std::string& path) {
  try {
    Morph = ReadMorphFile(path);
  } catch (const Error& e) {
    Morph = MorphModel();
    messages_.ShowError(QString::fromStdString(e.what()));
  }
  DrawMorphDisplay(DisplayBitmap, Morph.SourceBitmap1);
}

void TMorphForm::LoadMorphFile(const std::string& path) {
  Morph = ReadMorphFile(path);
  ShowFrame(0, kSliderMax);
}

void TMorphForm::WriteMorphFile(const std::string& path) const {
  quillo::WriteMorphFile(path, Morph);
}

void TMorphForm::ShowFrame(int value, int max) {
  ShowMorphFrame(Morph, value, max, DisplayBitmap);
}

ScreenHandlers TMorphForm::Handlers() {
  ScreenHandlers h;
  h.paintBox.OnPaint = PaintStretched(DisplayBitmap);
  h.paintBox1.OnPaint = PaintStretched(Morph.SourceBitmap1);
  h.paintBox2.OnPaint = PaintStretched(Morph.SourceBitmap2);
  return h;
}

}  // namespace quillo
