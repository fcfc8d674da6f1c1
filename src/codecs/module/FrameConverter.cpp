#include "FrameConverter.h"

#include "base/Error.h"

namespace quillo::codecs {

void FrameConverter::Convert(const AVFrame& f, Bitmap& picture, const char* failure) {
  if (!converted_ || picture.Width() != f.width || picture.Height() != f.height) {
    picture.SetSize(f.width, f.height);
    converted_.emplace(f.width, f.height);
  }
  scaler_.reset(sws_getCachedContext(scaler_.release(), f.width, f.height,
                                     static_cast<AVPixelFormat>(f.format), f.width, f.height,
                                     AV_PIX_FMT_BGR0, SWS_BILINEAR, nullptr, nullptr, nullptr));
  if (!scaler_) throw Error(failure);
  sws_scale(scaler_.get(), f.data, f.linesize, 0, f.height, converted_->Planes(),
            converted_->Strides());
  converted_->CopyTo(picture);
}

}  // namespace quillo::codecs
