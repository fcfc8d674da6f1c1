#pragma once
// Writing an AVI video frame by frame: each Bitmap is converted to the
// encoder's pixel format and compressed (Motion JPEG unless told otherwise).
// The video goes to a temporary file beside the target, which replaces the
// target only when Finish() has written all of it; a writer dropped or failed
// before that removes its temporary file and leaves the target as it was.
// The bytes depend only on the frames and the settings, never on the time or
// the library version, so the same frames always give the same file.
#include <memory>
#include <string>

#include "base/Bitmap.h"

namespace quillo {

// How the frames are compressed.
struct VideoCodec {
  std::string encoder = "mjpeg";  // an FFmpeg encoder name
  // A fixed quantiser scale from 1 (finest) to 31; 0 leaves the quality to
  // the encoder's own rate control.
  int qscale = 3;
};

class VideoFileWriter {
 public:
  // Creates the temporary file and writes the header. Throws quillo::Error,
  // naming the path, for a size or rate of 0 or less, an unknown encoder, a
  // folder that cannot take the file, or an encoder that refuses the settings.
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
