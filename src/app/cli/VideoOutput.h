#pragma once
// The renderers' video output: `--video OUT.avi [--codec NAME]` writes the
// effect growing and shrinking (the save dialog's 52 frames at 15 frames per
// second) instead of, or beside, the picture, as an MP4, WebM or animated
// GIF for those extensions; `--codec list` prints the codecs that can write
// frames of the renderer's size (in the --video file's container).
#include <optional>
#include <string>

#include "app/core/Arguments.h"
#include "base/FileBytes.h"
#include "io/VideoExport.h"

namespace quillo {

// The value options the video output adds to a renderer's own.
inline const std::set<std::string> kVideoOptions{"video", "codec"};

struct VideoRequest {
  std::string path;
  VideoCodec codec;
};

// With "--codec list": prints the usable codecs, one a line, and returns true.
bool ListCodecsIfAsked(const Arguments& parsed, int width, int height);

// The video asked for, or nothing without --video. Throws quillo::Error for
// --codec without --video and for a codec that cannot write such frames.
std::optional<VideoRequest> VideoRequestOf(const Arguments& parsed, int width, int height);

// The picture a renderer writes to OUTPUT, as BMP, PNG or JPEG by its name
// (PictureKindOf). It is written under a temporary name first, before the
// video, and replaces OUTPUT only at Commit(), after the video: an OUTPUT
// that cannot be written fails the run before anything is replaced.
class PictureOutput {
 public:
  PictureOutput(std::string path, const Bitmap& picture);
  void Commit() { file_.Commit(); }

 private:
  AtomicFile file_;
};

}  // namespace quillo
