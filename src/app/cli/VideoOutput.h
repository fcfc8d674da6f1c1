#pragma once
// The renderers' video output: `--video OUT.avi [--codec NAME]` writes the
// effect growing and shrinking (the save dialog's 52 frames at 15 frames per
// second) instead of, or beside, the picture; `--codec list` prints the
// codecs that can write frames of the renderer's size.
#include <optional>
#include <string>

#include "app/core/Arguments.h"
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

}  // namespace quillo
