#include "VideoOutput.h"

#include <cstdio>

#include "Commands.h"
#include "base/Error.h"
#include "io/PictureWriter.h"
#include "io/VideoCodecs.h"

namespace quillo {

void CheckOutputs(const Arguments& parsed, bool video, const std::string& command,
                  const std::string& input) {
  const std::size_t n = parsed.positional.size();
  if (n > 2) throw Error("unexpected argument \"" + parsed.positional[2] + "\"");
  if (n == 2 || (video && n == 1)) return;
  throw Error(command + " needs " + input +
              (video ? " (and OUTPUT for a picture)" : " and OUTPUT"));
}

bool ListCodecsIfAsked(const Arguments& parsed, int width, int height) {
  if (parsed.Option("codec") != "list") return false;
  const VideoContainer container = VideoContainerOf(parsed.Option("video").value_or(""));
  for (const VideoCodecInfo& codec : UsableVideoCodecs(container, width, height))
    std::printf("%-16s %s\n", codec.encoder.c_str(), codec.description.c_str());
  return true;
}

std::optional<VideoRequest> VideoRequestOf(const Arguments& parsed, int width, int height) {
  const auto path = parsed.Option("video");
  const auto codecName = parsed.Option("codec");
  if (!path) {
    if (codecName) throw Error("--codec needs --video");
    return std::nullopt;
  }
  VideoRequest request{*path, {}};
  if (codecName) {
    request.codec.encoder = *codecName;
    // Only this encoder is tried, not the whole list.
    if (!VideoCodecUsable(VideoContainerOf(*path), request.codec, width, height))
      throw Error("the codec \"" + *codecName + "\" cannot write " + std::to_string(width) + " x " +
                  std::to_string(height) + " frames here (see --codec list)");
    // The quantiser suits the encoders that take one; the others choose.
    if (!TakesQuantiser(*codecName)) request.codec.qscale = 0;
  }
  return request;
}

PictureOutput::PictureOutput(std::string path, const Bitmap& picture) : file_(path) {
  WritePicture(file_, picture, PictureKindOf(path));
}

}  // namespace quillo
