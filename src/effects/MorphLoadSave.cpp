// The morph screen's dialogs: a new face for either picture, a morph file
// from the start folder or the clip-art folder, and the save dialog with the
// morph file, the view and the video of the morph. The centre box is hidden
// while a dialog is up and comes back however the dialog ends.
#include "TMorphForm.h"
#include "io/FileChoosers.h"
#include "io/PictureDrop.h"
#include "io/PictureFile.h"
#include "io/TOpenForm.h"
#include "io/TOpenMorphForm.h"
#include "io/TSaveForm.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "skin/HiddenWhile.h"
#include "skin/TGraphicSlider.h"
#include "skin/TPaintBox.h"

namespace quillo {

namespace {

constexpr const char* kMorphFileFilter = "*.mph (*.mph)";
constexpr const char* kMorphFileExt = "mph";
constexpr int kFromFile = 1;  // TOpenMorphForm's Tag for a morph file of one's own

// Puts the slider back at its value when the object goes, which shows that
// position's frame again when it had moved.
class SliderKept {
 public:
  explicit SliderKept(TGraphicSlider& slider) : slider_(slider), value_(slider.Value()) {}
  ~SliderKept() { slider_.SetValue(value_); }
  SliderKept(const SliderKept&) = delete;
  SliderKept& operator=(const SliderKept&) = delete;

 private:
  TGraphicSlider& slider_;
  int value_;
};

}  // namespace

void TMorphForm::Load1Click() {
  LoadFace(MorphPicture::One);
}

void TMorphForm::Load2Click() {
  LoadFace(MorphPicture::Two);
}

void TMorphForm::LoadFace(MorphPicture face) {
  if (!parts_) return;
  const HiddenWhile hidden(parts_->PaintBox);
  TOpenForm& open = parts_->OpenForm;
  if (open.ShowModal() != kModalOk) return;
  const Bitmap picture = std::move(open.ResultPicture);
  open.ResultPicture = Bitmap();
  PutFace(face, picture);
}

void TMorphForm::PutFace(MorphPicture face, const Bitmap& picture) {
  // Fitted into the face's square on a white ground; the face keeps its size.
  // The lines belonged to the old face: all go, from both pictures.
  Recorded([&] { Morph.ReplaceFace(face, picture); });
  LinesReplaced();
  parts_->PaintBox1.update();
  parts_->PaintBox2.update();
  TrackBarChange();
}

void TMorphForm::bLoadClick() {
  if (!parts_) return;
  const HiddenWhile hidden(parts_->PaintBox);
  TOpenMorphForm& source = parts_->OpenMorphForm;
  if (source.ShowModal() != kModalOk) return;
  const std::string folder = source.Tag == kFromFile
                                 ? StartFolder
                                 : WithTrailingSeparator(ResolveIn(ProgramFolder, kClipartFolder));
  const std::optional<std::string> path =
      parts_->files.OpenFile(folder, kMorphFileFilter, parts_->PaintBox.window());
  if (path) OpenMorph(*path);
}

void TMorphForm::OpenMorph(const std::string& path) {
  // All or nothing: a bad file leaves the morph as it was. The new morph
  // shows its position 0, picture 1, and the slider goes there.
  Recorded([&] {
    LoadMorphFile(path);
    parts_->TrackBar.SetValue(0);
  });
  for (TPaintBox* box : {&parts_->PaintBox, &parts_->PaintBox1, &parts_->PaintBox2}) box->update();
}

PaintBoxDrop TMorphForm::FaceDrop(MorphPicture face) {
  return {[](const QMimeData* data) {
            return DroppedPictureFile(data) || DroppedFileOfKind(data, kMorphFileExt);
          },
          [this, face](const QMimeData* data) {
            if (!parts_) return;
            if (const auto morph = DroppedFileOfKind(data, kMorphFileExt)) return OpenMorph(*morph);
            if (const auto picture = DroppedPictureFile(data))
              PutFace(face, LoadPictureFile(*picture));
          }};
}

PaintBoxDrop TMorphForm::MorphFileDrop() {
  return {[](const QMimeData* data) { return DroppedFileOfKind(data, kMorphFileExt).has_value(); },
          [this](const QMimeData* data) {
            if (const auto morph = DroppedFileOfKind(data, kMorphFileExt); morph && parts_)
              OpenMorph(*morph);
          }};
}

void TMorphForm::bSaveClick() {
  if (!parts_) return;
  const HiddenWhile hidden(parts_->PaintBox);
  // A video moves the slider through the morph; it comes back afterwards.
  const SliderKept kept(parts_->TrackBar);
  TSaveForm& save = parts_->SaveForm;
  save.FileExt = kMorphFileExt;
  save.SaveBitmap = &DisplayBitmap;
  save.OnRenderFrame = [this] { ShowFrameForSave(); };
  save.OnWriteFile = [this](const std::string& path) { WriteMorphFile(path); };
  save.ShowModal();
}

void TMorphForm::ShowFrameForSave() {
  if (parts_) parts_->TrackBar.SetValue(parts_->SaveForm.Tag);
}

}  // namespace quillo
