#pragma once
// A 32-bit (BGR0) picture in FFmpeg's own buffer, rows aligned and padded.
// The scaler's vector code reads and writes past a row's last pixel, which a
// Bitmap's tightly packed rows cannot take when the width is not a multiple
// of 16; pictures pass through one of these on their way in and out.
extern "C" {
#include <libavutil/frame.h>
}

#include <memory>

#include "base/Bitmap.h"

namespace quillo::codecs {

class PaddedFrame {
 public:
  // Throws quillo::Error when the buffer cannot be had.
  PaddedFrame(int width, int height);

  std::uint8_t* const* Planes() const { return frame_->data; }
  const int* Strides() const { return frame_->linesize; }

  void CopyFrom(const Bitmap& bitmap);
  void CopyTo(Bitmap& bitmap) const;

 private:
  struct Freer {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
  };
  std::unique_ptr<AVFrame, Freer> frame_;
};

}  // namespace quillo::codecs
