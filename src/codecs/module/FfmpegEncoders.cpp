// Which FFmpeg video encoders can write an AVI video of a frame size here:
// each one the AVI muxer carries is opened at that size as the video writer
// would open it, so that encoders this machine cannot run (hardware ones
// without their device, for one) are left out.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <memory>

#include "ChildProcess.h"
#include "CodecFunctions.h"
#include "EncoderSetup.h"
#include "FfmpegHandles.h"

namespace quillo::codecs {

namespace {

// The rate the encoders are opened at; the rate does not decide whether one opens.
constexpr int kProbeRate = 15;
// Opening and closing an encoder takes milliseconds: one that takes longer
// is not offered.
constexpr std::chrono::milliseconds kProbeTimeLimit{1000};

// Opens the encoder and closes it again, as a writer dropped before its
// first frame does, in a child process that tells by its exit status: some
// encoders (SVT-AV1) block for ever when closed before a frame, and one that
// crashes or hangs costs only the child.
bool OpensAndCloses(const AVCodec& encoder, int width, int height) {
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    // The refusals of encoders that cannot run here, and what libraries print.
    av_log_set_level(AV_LOG_QUIET);
    if (const int null = open("/dev/null", O_WRONLY); null >= 0) {
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
    }
    std::unique_ptr<AVCodecContext, CodecFreer> context(avcodec_alloc_context3(&encoder));
    if (!context) _exit(1);
    SetUpEncoder(*context, encoder, width, height, kProbeRate);
    if (avcodec_open2(context.get(), &encoder, nullptr) < 0) _exit(1);
    context.reset();
    _exit(0);
  }
  return AwaitChild(child, kProbeTimeLimit).exitCode == 0;
}

bool CarriedByAvi(const AVCodec& encoder) {
  const AVOutputFormat* avi = av_guess_format("avi", nullptr, nullptr);
  return avi && avformat_query_codec(avi, encoder.id, FF_COMPLIANCE_NORMAL) == 1;
}

bool Usable(const AVCodec& encoder, int width, int height) {
  return width > 0 && height > 0 && encoder.type == AVMEDIA_TYPE_VIDEO &&
         av_codec_is_encoder(&encoder) &&
         !(encoder.capabilities & (AV_CODEC_CAP_HARDWARE | AV_CODEC_CAP_EXPERIMENTAL)) &&
         CarriedByAvi(encoder) && OpensAndCloses(encoder, width, height);
}

}  // namespace

std::vector<VideoEncoderFacts> AviVideoEncoders(int width, int height) {
  std::vector<VideoEncoderFacts> usable;
  void* at = nullptr;
  while (const AVCodec* encoder = av_codec_iterate(&at))
    if (Usable(*encoder, width, height))
      usable.push_back({encoder->name, encoder->long_name ? encoder->long_name : encoder->name});
  return usable;
}

bool AviVideoEncoderUsable(const std::string& name, int width, int height) {
  const AVCodec* encoder = avcodec_find_encoder_by_name(name.c_str());
  return encoder && Usable(*encoder, width, height);
}

}  // namespace quillo::codecs
