#pragma once
// Writing a video frame by frame, in the container its name asks for (AVI,
// MP4, WebM or an animated GIF): each Bitmap is converted to the encoder's
// pixel format and compressed (by the container's own encoder unless told
// otherwise); a GIF's frames share one palette made from all of them.
// The video goes to a temporary file beside the target, which replaces the
// target only when Finish() has written all of it; a writer dropped or failed
// before that removes its temporary file and leaves the target as it was.
// The bytes depend only on the frames and the settings, never on the time or
// the library version, so the same frames always give the same file.
#include <memory>
#include <string>

#include "base/Bitmap.h"
#include "codecs/CodecTable.h"

namespace quillo {

using codecs::VideoContainer;

// The container a file's name asks for: ".mp4", ".webm" or ".gif" in any
// case; AVI for every other name.
VideoContainer VideoContainerOf(const std::string& path);

// The encoder a container's videos get unless another is chosen: Motion JPEG
// in an AVI, H.264 (libx264) in an MP4, VP9 (libvpx-vp9) in a WebM, and the
// GIF encoder.
std::string DefaultEncoder(VideoContainer container);

// How the frames are compressed.
struct VideoCodec {
  std::string encoder;  // an FFmpeg encoder name; empty for the container's own
  // A fixed quantiser scale from 1 (finest) to 31; 0 leaves the quality to
  // the encoder's own rate control.
  int qscale = 3;
};

class VideoFileWriter {
 public:
  // Creates the temporary file and writes the header. Throws quillo::Error,
  // naming the path, for a size or rate of 0 or less, an unknown encoder or
  // one the container cannot hold, a folder that cannot take the file, or an
  // encoder that refuses the settings. The quantiser scale goes only to the
  // encoders that take one (TakesQuantiser).
  VideoFileWriter(std::string path, int width, int height, int framesPerSecond,
                  const VideoCodec& codec = {});
  ~VideoFileWriter();
  VideoFileWriter(VideoFileWriter&&) noexcept;
  VideoFileWriter& operator=(VideoFileWriter&&) noexcept;

  // Appends a frame of the size given at construction. Throws quillo::Error
  // for another size, after Finish() or an earlier failure, or when encoding
  // or writing fails.
  void AddFrame(const Bitmap& frame);

  // Flushes the encoder, writes the index and replaces the target with the
  // finished file. Throws quillo::Error when any of that fails; the target
  // is then untouched and the temporary file gone.
  void Finish();

  int FrameCount() const;

 private:
  struct State;
  // The state, or an Error when the writer was moved from (the codec module
  // refuses frames after Finish() or a failure).
  State& Writable();

  std::unique_ptr<State> state_;
};

}  // namespace quillo
