#include "BlendModel.h"

#include <utility>

#include "skin/core/SmoothDraw.h"

namespace quillo {

Bitmap& BlendModel::Picture(BlendPicture which) {
  switch (which) {
    case BlendPicture::Left:
      return left_;
    case BlendPicture::Right:
      return right_;
    default:
      return blend_;
  }
}

void BlendModel::SetPicture(BlendPicture which, Bitmap picture) {
  Picture(which) = std::move(picture);
}

void BlendModel::FitPicture(BlendPicture which, const Bitmap& source) {
  CenterDraw(Picture(which), {0, 0, kBlendSide, kBlendSide}, source, kBlendGround);
}

void BlendModel::ChooseAnchor(int face, int x, int y) {
  anchorX_ = x;
  anchorY_ = y;
  selectedFace_ = face;
}

void BlendModel::Restart(int face) {
  blend_.Draw(0, 0, Face(face));
}

void BlendModel::BeginStroke(int x, int y) {
  pressX_ = x;
  pressY_ = y;
  painting_ = true;
}

void BlendModel::Dab(int face, bool inPlace, int x, int y) {
  BlendDab(blend_, Face(face), x, y, inPlace ? 0 : anchorX_ - pressX_,
           inPlace ? 0 : anchorY_ - pressY_);
}

}  // namespace quillo
