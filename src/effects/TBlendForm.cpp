#include "TBlendForm.h"

#include "io/core/BitmapFile.h"

namespace quillo {

void TBlendForm::LoadDefaultFaces(const std::string& leftPath, const std::string& rightPath) {
  Bitmap left = LoadBitmapFile(leftPath);
  Bitmap right = LoadBitmapFile(rightPath);
  LeftFace = std::move(left);
  RightFace = std::move(right);
  BlendBitmap.Draw(0, 0, LeftFace);
}

ScreenHandlers TBlendForm::Handlers() {
  ScreenHandlers h;
  h.paintBox.OnPaint = PaintStretched(BlendBitmap);
  h.paintBox1.OnPaint = PaintStretched(LeftFace);
  h.paintBox2.OnPaint = PaintStretched(RightFace);
  return h;
}

}  // namespace quillo
