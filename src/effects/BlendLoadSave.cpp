// The blend screen's dialogs: a new left or right face or blend picture,
// fitted in, and the save dialog with a copy of the blend picture whose video
// is the cross-fade from the left face. The blend picture's box is hidden
// while a dialog is up and comes back however the dialog ends.
#include "TBlendForm.h"
#include "effects/core/BlendFade.h"
#include "io/PictureDrop.h"
#include "io/PictureFile.h"
#include "io/TOpenForm.h"
#include "io/TSaveForm.h"
#include "skin/HiddenWhile.h"
#include "skin/TPaintBox.h"
#include "skin/core/SmoothDraw.h"

namespace quillo {

namespace {

// Lends the save dialog a picture for the life of the object. The dialog
// keeps its SaveBitmap after it hides, so it is taken back here: the dialog
// never points at a picture that is gone.
class Lent {
 public:
  Lent(TSaveForm& save, Bitmap& picture) : save_(save) { save_.SaveBitmap = &picture; }
  ~Lent() { save_.SaveBitmap = nullptr; }
  Lent(const Lent&) = delete;
  Lent& operator=(const Lent&) = delete;

 private:
  TSaveForm& save_;
};

}  // namespace

void TBlendForm::Load1Click() {
  if (parts_) LoadInto(BlendPicture::Left, parts_->PaintBox1);
}

void TBlendForm::Load2Click() {
  if (parts_) LoadInto(BlendPicture::Right, parts_->PaintBox2);
}

void TBlendForm::bLoadClick() {
  if (parts_) LoadInto(BlendPicture::Blend, parts_->PaintBox);
}

void TBlendForm::LoadInto(BlendPicture picture, TPaintBox& shownIn) {
  const HiddenWhile hidden(parts_->PaintBox);
  TOpenForm& open = parts_->OpenForm;
  if (open.ShowModal() != kModalOk) return;
  const Bitmap source = std::move(open.ResultPicture);
  open.ResultPicture = Bitmap();
  PutPicture(picture, shownIn, source);
}

void TBlendForm::PutPicture(BlendPicture picture, TPaintBox& shownIn, const Bitmap& source) {
  // Fitted into the square on a white ground; the picture keeps its size.
  Recorded([&] { Blend.FitPicture(picture, source); });
  shownIn.update();
}

PaintBoxDrop TBlendForm::PictureDrop(BlendPicture picture, TPaintBox& shownIn) {
  return {[](const QMimeData* data) { return DroppedPictureFile(data).has_value(); },
          [this, picture, &shownIn](const QMimeData* data) {
            if (const auto path = DroppedPictureFile(data))
              PutPicture(picture, shownIn, LoadPictureFile(*path));
          }};
}

void TBlendForm::bSaveClick() {
  if (!parts_) return;
  const HiddenWhile hidden(parts_->PaintBox);
  TSaveForm& save = parts_->SaveForm;
  save.FileExt = "bmp";
  // The video renders its frames into the copy; the blend picture stays.
  Bitmap copy = Blend.BlendBitmap();
  const Lent lent(save, copy);
  save.OnRenderFrame = [this, &save] { RenderBlendForSave(save); };
  save.ShowModal();
}

void TBlendForm::RenderBlendForSave(TSaveForm& sender) const {
  if (sender.SaveBitmap)
    RenderBlendFade(*sender.SaveBitmap, Blend.LeftFace(), Blend.BlendBitmap(), sender.Tag);
}

}  // namespace quillo
