#include "VideoCodecs.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <memory>
#include <string_view>
#include <thread>

namespace quillo {

namespace {

// The encoders whose quality a fixed quantiser scale sets.
constexpr std::array<std::string_view, 11> kQuantiserEncoders = {
    "mjpeg", "mpeg4", "msmpeg4", "msmpeg4v2",  "wmv1",      "wmv2",
    "h263",  "h263p", "flv",     "mpeg1video", "mpeg2video"};

// The pixel format the writer gives the encoder: 4:2:0, full range where it
// takes that, else its first format.
AVPixelFormat PixelFormatFor(const AVCodec* encoder) {
  const AVPixelFormat* formats = encoder->pix_fmts;
  if (!formats) return AV_PIX_FMT_YUV420P;
  for (const AVPixelFormat preferred : {AV_PIX_FMT_YUVJ420P, AV_PIX_FMT_YUV420P})
    for (const AVPixelFormat* f = formats; *f != AV_PIX_FMT_NONE; ++f)
      if (*f == preferred) return preferred;
  return formats[0];
}

// Opens the encoder as the writer does; false when it refuses.
// Runs in a child that exits straight after: the encoder is not closed, since
// some hang when closed without having encoded anything.
bool Opens(const AVCodec* encoder, int width, int height) {
  AVCodecContext* context = avcodec_alloc_context3(encoder);
  if (!context) return false;
  context->width = width;
  context->height = height;
  context->time_base = AVRational{1, 15};
  context->framerate = AVRational{15, 1};
  context->pix_fmt = PixelFormatFor(encoder);
  av_log_set_level(AV_LOG_QUIET);
  return avcodec_open2(context, encoder, nullptr) >= 0;
}

bool CarriedByAvi(const AVCodec* encoder) {
  const AVOutputFormat* avi = av_guess_format("avi", nullptr, nullptr);
  return avi && avformat_query_codec(avi, encoder->id, FF_COMPLIANCE_NORMAL) == 1;
}

// The encoders worth trying: video, software, not experimental, and of a
// kind the AVI muxer carries.
bool Candidate(const AVCodec* encoder) {
  return encoder->type == AVMEDIA_TYPE_VIDEO && av_codec_is_encoder(encoder) &&
         !(encoder->capabilities & (AV_CODEC_CAP_HARDWARE | AV_CODEC_CAP_EXPERIMENTAL)) &&
         CarriedByAvi(encoder);
}

// Some encoders print to the terminal on their own or hang when closed
// unused, so each is opened in a child process of its own, all at once; one
// that has not answered by the deadline counts as unusable.
constexpr auto kProbeTime = std::chrono::seconds(3);

std::vector<bool> OpenInChildren(const std::vector<const AVCodec*>& encoders, int width,
                                 int height) {
  std::vector<pid_t> children;
  for (const AVCodec* encoder : encoders) {
    const pid_t child = ::fork();
    if (child == 0) {
      const int null = ::open("/dev/null", O_WRONLY);
      if (null >= 0) {
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
      }
      ::_exit(Opens(encoder, width, height) ? 0 : 1);
    }
    children.push_back(child);
  }
  std::vector<bool> opened(encoders.size(), false);
  std::size_t waiting = 0;
  for (const pid_t child : children) waiting += child > 0;
  const auto deadline = std::chrono::steady_clock::now() + kProbeTime;
  while (waiting > 0 && std::chrono::steady_clock::now() < deadline) {
    for (std::size_t i = 0; i < children.size(); ++i) {
      if (children[i] <= 0) continue;
      int status = 0;
      if (::waitpid(children[i], &status, WNOHANG) != children[i]) continue;
      opened[i] = WIFEXITED(status) && WEXITSTATUS(status) == 0;
      children[i] = 0;
      --waiting;
    }
    if (waiting > 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  for (const pid_t child : children) {
    if (child <= 0) continue;
    ::kill(child, SIGKILL);
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
  }
  return opened;
}

}  // namespace

std::vector<VideoCodecInfo> UsableVideoCodecs(int width, int height) {
  if (width <= 0 || height <= 0) return {};
  std::vector<const AVCodec*> candidates;
  void* at = nullptr;
  while (const AVCodec* encoder = av_codec_iterate(&at))
    if (Candidate(encoder)) candidates.push_back(encoder);
  const std::vector<bool> opened = OpenInChildren(candidates, width, height);
  std::vector<VideoCodecInfo> usable;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (!opened[i]) continue;
    const AVCodec* encoder = candidates[i];
    const std::string_view name = encoder->name;
    usable.push_back({encoder->name, encoder->long_name ? encoder->long_name : encoder->name,
                      std::find(kQuantiserEncoders.begin(), kQuantiserEncoders.end(), name) !=
                          kQuantiserEncoders.end()});
  }
  return usable;
}

bool VideoCodecUsable(const VideoCodec& codec, int width, int height) {
  const AVCodec* encoder = avcodec_find_encoder_by_name(codec.encoder.c_str());
  return encoder && width > 0 && height > 0 && Candidate(encoder) &&
         OpenInChildren({encoder}, width, height)[0];
}

}  // namespace quillo
