#include "PaddedFrame.h"

#include <cstring>

#include "base/Error.h"

namespace quillo::codecs {

namespace {
constexpr int kAlignment = 64;  // enough for AVX-512 stores
}

PaddedFrame::PaddedFrame(int width, int height) : frame_(av_frame_alloc()) {
  if (!frame_) throw Error("Out of memory for a video picture");
  frame_->format = AV_PIX_FMT_BGR0;
  frame_->width = width;
  frame_->height = height;
  if (av_frame_get_buffer(frame_.get(), kAlignment) < 0)
    throw Error("Out of memory for a video picture");
}

void PaddedFrame::CopyFrom(const Bitmap& bitmap) {
  const std::size_t row = static_cast<std::size_t>(frame_->width) * 4;
  for (int y = 0; y < frame_->height; ++y)
    std::memcpy(frame_->data[0] + static_cast<std::ptrdiff_t>(y) * frame_->linesize[0],
                bitmap.Row(y), row);
}

void PaddedFrame::CopyTo(Bitmap& bitmap) const {
  const std::size_t row = static_cast<std::size_t>(frame_->width) * 4;
  for (int y = 0; y < frame_->height; ++y)
    std::memcpy(bitmap.Row(y),
                frame_->data[0] + static_cast<std::ptrdiff_t>(y) * frame_->linesize[0], row);
}

}  // namespace quillo::codecs
