#pragma once
// Which FFmpeg encoders can write a video of a container and a frame size
// here: each one the container's muxer can carry is opened at that size with
// the pixel format the writer would give it, so that encoders this machine
// cannot run (hardware ones without their device, for one) are not offered.
// The answer is kept on disk for the FFmpeg build it was found with
// (core/EncoderCache.h), so only the first run waits for the probe.
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
std::vector<VideoCodecInfo> UsableVideoCodecs(VideoContainer container, int width, int height);

// True when the encoder's quality is set by a fixed quantiser scale.
bool TakesQuantiser(const std::string& encoder);

// True when the writer can write frames of that size with that encoder (the
// container's own for an empty name).
bool VideoCodecUsable(VideoContainer container, const VideoCodec& codec, int width, int height);

}  // namespace quillo
