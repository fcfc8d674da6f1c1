#pragma once
// Decoded FFmpeg frames turned into 32-bit bitmaps of their own size,
// through a scaler and a padded buffer kept from one frame to the next.
#include <memory>
#include <optional>

#include "FfmpegHandles.h"
#include "PaddedFrame.h"
#include "base/Bitmap.h"

namespace quillo::codecs {

class FrameConverter {
 public:
  // Puts f into picture, which takes f's size. Throws quillo::Error with the
  // text failure when FFmpeg cannot convert the frame's pixel format.
  void Convert(const AVFrame& f, Bitmap& picture, const char* failure);

 private:
  std::unique_ptr<SwsContext, ScalerFreer> scaler_;
  std::optional<PaddedFrame> converted_;  // the scaler's output, then copied out
};

}  // namespace quillo::codecs
