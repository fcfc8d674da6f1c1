// Which FFmpeg video encoders can write a video of a container and a frame
// size here: each one the container's muxer carries is opened at that size
// as the video writer would open it, so that encoders this machine cannot run
// (hardware ones without their device, for one) are left out.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <memory>

#include "CodecFunctions.h"
#include "EncoderSetup.h"
#include "FfmpegHandles.h"
#include "base/ChildProcess.h"

namespace quillo::codecs {

namespace {

// The rate the encoders are opened at; the rate does not decide whether one opens.
constexpr int kProbeRate = 15;
// Opening and closing an encoder takes milliseconds: one that takes longer
// is not offered.
constexpr std::chrono::milliseconds kProbeTimeLimit{1000};
// Encoders tried at the same time, each in its own process.
constexpr std::size_t kProbesAtOnce = 8;

// Starts a child process that opens the encoder and closes it again, as a
// writer dropped before its first frame does, and tells by its exit status:
// some encoders (SVT-AV1) block for ever when closed before a frame, and one
// that crashes or hangs costs only the child. -1 when no child could start.
pid_t StartProbe(const AVCodec& encoder, VideoContainer container, int width, int height) {
  const pid_t child = fork();
  if (child != 0) return child;
  // The refusals of encoders that cannot run here, and what libraries print.
  av_log_set_level(AV_LOG_QUIET);
  if (const int null = open("/dev/null", O_WRONLY); null >= 0) {
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
  }
  std::unique_ptr<AVCodecContext, CodecFreer> context(avcodec_alloc_context3(&encoder));
  if (!context) _exit(1);
  SetUpEncoder(*context, encoder, container, width, height, kProbeRate);
  if (avcodec_open2(context.get(), &encoder, nullptr) < 0) _exit(1);
  context.reset();
  _exit(0);
}

bool CarriedBy(const AVCodec& encoder, VideoContainer container) {
  const AVOutputFormat* muxer = Muxer(container);
  return muxer && avformat_query_codec(muxer, encoder.id, FF_COMPLIANCE_NORMAL) == 1;
}

// Whether the encoder is one to try at all, before it is opened.
bool Candidate(const AVCodec& encoder, VideoContainer container, int width, int height) {
  return width > 0 && height > 0 && encoder.type == AVMEDIA_TYPE_VIDEO &&
         av_codec_is_encoder(&encoder) &&
         !(encoder.capabilities & (AV_CODEC_CAP_HARDWARE | AV_CODEC_CAP_EXPERIMENTAL)) &&
         CarriedBy(encoder, container);
}

// The encoders that open, in the order given.
std::vector<const AVCodec*> Opening(const std::vector<const AVCodec*>& candidates,
                                    VideoContainer container, int width, int height) {
  std::vector<const AVCodec*> opening;
  for (std::size_t first = 0; first < candidates.size(); first += kProbesAtOnce) {
    const std::size_t end = std::min(candidates.size(), first + kProbesAtOnce);
    std::vector<pid_t> children;
    for (std::size_t i = first; i < end; ++i)
      children.push_back(StartProbe(*candidates[i], container, width, height));
    for (std::size_t i = first; i < end; ++i) {
      const pid_t child = children[i - first];
      if (child > 0 && AwaitChild(child, kProbeTimeLimit).exitCode == 0)
        opening.push_back(candidates[i]);
    }
  }
  return opening;
}

}  // namespace

std::vector<VideoEncoderFacts> VideoEncoders(VideoContainer container, int width, int height) {
  std::vector<const AVCodec*> candidates;
  void* at = nullptr;
  while (const AVCodec* encoder = av_codec_iterate(&at))
    if (Candidate(*encoder, container, width, height)) candidates.push_back(encoder);
  std::vector<VideoEncoderFacts> usable;
  for (const AVCodec* encoder : Opening(candidates, container, width, height))
    usable.push_back({encoder->name, encoder->long_name ? encoder->long_name : encoder->name});
  return usable;
}

bool VideoEncoderUsable(VideoContainer container, const std::string& name, int width, int height) {
  const AVCodec* encoder = avcodec_find_encoder_by_name(name.c_str());
  return encoder && Candidate(*encoder, container, width, height) &&
         !Opening({encoder}, container, width, height).empty();
}

std::string FfmpegVersions() {
  const auto version = [](const char* name, unsigned v) {
    return std::string(name) + " " + std::to_string(AV_VERSION_MAJOR(v)) + "." +
           std::to_string(AV_VERSION_MINOR(v)) + "." + std::to_string(AV_VERSION_MICRO(v));
  };
  return version("libavcodec", avcodec_version()) + ", " +
         version("libavformat", avformat_version()) + ", " +
         version("libavutil", avutil_version()) + ", " + version("libswscale", swscale_version()) +
         " (" + av_version_info() + ")";
}

}  // namespace quillo::codecs
