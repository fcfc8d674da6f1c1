#include "TBlendForm.h"

#include "io/core/BitmapFile.h"
#include "skin/TPaintBox.h"
#include "skin/core/SmoothDraw.h"

namespace quillo {

namespace {

// The face as the screen uses it: 290 x 290, a picture of another size
// fitted in.
Bitmap AsFace(Bitmap picture) {
  if (picture.Width() == kBlendSide && picture.Height() == kBlendSide) return picture;
  Bitmap face(kBlendSide, kBlendSide);
  CenterDraw(face, {0, 0, kBlendSide, kBlendSide}, picture, kBlendGround);
  return face;
}

}  // namespace

void TBlendForm::Attach(const BlendScreenParts& parts) {
  parts_.emplace(parts);
  for (TPaintBox* box : {&parts.PaintBox, &parts.PaintBox1, &parts.PaintBox2})
    box->setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBlendForm::LoadDefaultFaces(const std::string& leftPath, const std::string& rightPath) {
  Bitmap left = AsFace(LoadBitmapFile(leftPath));
  Bitmap right = AsFace(LoadBitmapFile(rightPath));
  Blend.SetPicture(BlendPicture::Left, std::move(left));
  Blend.SetPicture(BlendPicture::Right, std::move(right));
  Blend.Restart(1);
}

ScreenHandlers TBlendForm::Handlers() {
  ScreenHandlers h;
  h.paintBox.OnPaint = [this](QWidget*, QPainter& canvas) { PaintBoxPaint(canvas); };
  h.paintBox.OnMouseDown = [this](TPaintBox*, Qt::MouseButton button, Qt::KeyboardModifiers, int x,
                                  int y) {
    held_.setFlag(button);
    PaintBoxMouseDown(held_, x, y);
  };
  h.paintBox.OnMouseMove = [this](TPaintBox*, Qt::KeyboardModifiers, int x, int y) {
    PaintBoxMouseMove(held_, x, y);
  };
  h.paintBox.OnMouseUp = [this](TPaintBox*, Qt::MouseButton button, Qt::KeyboardModifiers, int,
                                int) {
    held_.setFlag(button, false);
    PaintBoxMouseUp();
  };
  h.paintBox1 = {[this](QWidget* sender, QPainter& canvas) { PaintBox1Paint(sender, canvas); },
                 [this](TPaintBox*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                   PaintBox1MouseDown(x, y);
                 },
                 {},
                 {},
                 [this](TPaintBox*) { PaintBox1DblClick(); }};
  h.paintBox2 = {[this](QWidget* sender, QPainter& canvas) { PaintBox2Paint(sender, canvas); },
                 [this](TPaintBox*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                   PaintBox2MouseDown(x, y);
                 },
                 {},
                 {},
                 [this](TPaintBox*) { PaintBox2DblClick(); }};
  if (parts_) {
    h.paintBox1Drop = PictureDrop(BlendPicture::Left, parts_->PaintBox1);
    h.paintBox2Drop = PictureDrop(BlendPicture::Right, parts_->PaintBox2);
    h.paintBoxDrop = PictureDrop(BlendPicture::Blend, parts_->PaintBox);
  }
  h.load1Click = [this](TGraphicButton*) { Load1Click(); };
  h.load2Click = [this](TGraphicButton*) { Load2Click(); };
  h.loadClick = [this](TNonRectPanel*) { bLoadClick(); };
  h.saveClick = [this](TNonRectPanel*) { bSaveClick(); };
  return h;
}

}  // namespace quillo
