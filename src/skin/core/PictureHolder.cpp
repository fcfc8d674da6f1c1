#include "PictureHolder.h"

#include "TGraphicNotificator.h"

namespace quillo {

void PictureHolder::SetPicture(Bitmap picture, int bitsPerPixel) {
  picture_ = std::move(picture);
  bitsPerPixel_ = picture_.Empty() ? 0 : bitsPerPixel;
  TGraphicNotificator::Instance().PictureChanged(this);
}

}  // namespace quillo
