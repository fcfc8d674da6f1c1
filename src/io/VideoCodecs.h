#pragma once
// Which FFmpeg encoders can write an AVI video of a given frame size here:
// each one the AVI muxer can carry is opened at that size with the pixel
// format the writer would give it, so that encoders this machine cannot run
// (hardware ones without their device, for one) are not offered.
#include <string>
#include <vector>

#include "VideoFileWriter.h"

namespace quillo {

struct VideoCodecInfo {
  std::string encoder;      // FFmpeg's name, as VideoCodec::encoder takes it
  std::string description;  // FFmpeg's long name
  bool hasQuality = false;  // takes a fixed quantiser scale (VideoCodec::qscale)
};

// The usable encoders for frames of width x height, in FFmpeg's order.
std::vector<VideoCodecInfo> UsableVideoCodecs(int width, int height);

// True when the encoder's quality is set by a fixed quantiser scale.
bool TakesQuantiser(const std::string& encoder);

// True when the writer can write frames of that size with that encoder.
bool VideoCodecUsable(const VideoCodec& codec, int width, int height);

}  // namespace quillo
