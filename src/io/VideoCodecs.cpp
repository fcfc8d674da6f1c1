#include "VideoCodecs.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "codecs/CodecModule.h"

namespace quillo {

namespace {

// The encoders whose quality a fixed quantiser scale sets.
constexpr std::array<std::string_view, 11> kQuantiserEncoders = {
    "mjpeg", "mpeg4", "msmpeg4", "msmpeg4v2",  "wmv1",      "wmv2",
    "h263",  "h263p", "flv",     "mpeg1video", "mpeg2video"};

}  // namespace

bool TakesQuantiser(const std::string& encoder) {
  return std::find(kQuantiserEncoders.begin(), kQuantiserEncoders.end(), encoder) !=
         kQuantiserEncoders.end();
}

std::vector<VideoCodecInfo> UsableVideoCodecs(int width, int height) {
  std::vector<VideoCodecInfo> usable;
  for (const codecs::VideoEncoderFacts& encoder :
       codecs::Codecs().aviVideoEncoders(width, height)) {
    usable.push_back({encoder.name, encoder.description, TakesQuantiser(encoder.name)});
  }
  return usable;
}

bool VideoCodecUsable(const VideoCodec& codec, int width, int height) {
  return codecs::Codecs().aviVideoEncoderUsable(codec.encoder, width, height);
}

}  // namespace quillo
