#pragma once
// The blend screen's state: the two faces, the blend picture painted from
// them with the clone brush, the anchor on the selected face and the stroke
// under way. It changes only through the methods below.
#include "BlendBrush.h"
#include "base/Bitmap.h"
#include "base/BitmapPatch.h"

namespace quillo {

// The ground around a picture fitted into a face or the blend picture.
constexpr Pixel kBlendGround = MakePixel(255, 255, 255);

// The screen's three pictures: the left face, the right face, the blend.
enum class BlendPicture { Left, Right, Blend };

class BlendModel {
 public:
  // Installs a picture as it is.
  void SetPicture(BlendPicture which, Bitmap picture);
  // A picture fitted into one of the three on the ground; it keeps its size.
  void FitPicture(BlendPicture which, const Bitmap& source);
  // Puts one version of a recorded change back into a picture (undo, redo).
  void ApplyPatch(BlendPicture which, const BitmapPatch& patch, bool after) {
    after ? patch.ApplyAfter(Picture(which)) : patch.ApplyBefore(Picture(which));
  }
  const Bitmap& Picture(BlendPicture which) const {
    return const_cast<BlendModel*>(this)->Picture(which);
  }

  // Puts the anchor at (x, y) of a face's pixels and selects that face
  // (1 left, 2 right).
  void ChooseAnchor(int face, int x, int y);
  // Starts the blend picture afresh from a face.
  void Restart(int face);

  // A stroke pressed at (x, y) of the blend picture, until EndStroke.
  void BeginStroke(int x, int y);
  void EndStroke() { painting_ = false; }
  // One dab of the brush at (x, y) from a face: cloned with the anchor at
  // the pressed point, or blended back in place.
  void Dab(int face, bool inPlace, int x, int y);

  const Bitmap& BlendBitmap() const { return blend_; }
  const Bitmap& LeftFace() const { return left_; }
  const Bitmap& RightFace() const { return right_; }
  const Bitmap& Face(int face) const { return face == 1 ? left_ : right_; }
  int AnchorX() const { return anchorX_; }  // in face pixels
  int AnchorY() const { return anchorY_; }
  int SelectedFace() const { return selectedFace_; }  // the face with the anchor
  int PressX() const { return pressX_; }              // where the stroke was pressed
  int PressY() const { return pressY_; }
  bool Painting() const { return painting_; }

 private:
  Bitmap& Picture(BlendPicture which);

  Bitmap blend_{kBlendSide, kBlendSide};
  Bitmap left_{kBlendSide, kBlendSide};
  Bitmap right_{kBlendSide, kBlendSide};
  int anchorX_ = kBlendSide / 2;
  int anchorY_ = kBlendSide / 2;
  int selectedFace_ = 2;
  int pressX_ = 0;
  int pressY_ = 0;
  bool painting_ = false;
};

}  // namespace quillo
