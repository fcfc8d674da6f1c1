#pragma once
// Reads the frames of a video file with FFmpeg: opens it, tells its size, frame
// count and rate, and decodes any frame into a 32-bit bitmap. Sequential frames
// decode on; a jump seeks. No toolkit: tests and benchmarks drive it directly.
#include <memory>
#include <string>

#include "base/Bitmap.h"
#include "media/core/MediaDevice.h"

namespace quillo {

class VideoDecoder {
 public:
  // Opens the file; throws quillo::Error with FFmpeg's text for the failure
  // ("Unknown error code" when FFmpeg has none).
  explicit VideoDecoder(const std::string& path);
  ~VideoDecoder();
  VideoDecoder(const VideoDecoder&) = delete;
  VideoDecoder& operator=(const VideoDecoder&) = delete;

  const MediaInfo& Info() const;
  // The frame of that index (clamped to the video), natural size. Frames the
  // file cannot deliver leave the last good picture; throws only when the
  // decoder itself fails.
  const Bitmap& Frame(int index);

 private:
  struct Streams;
  std::unique_ptr<Streams> streams_;
};

}  // namespace quillo
