#include "VideoCodecs.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

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

struct CodecDeleter {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};

// Opens the encoder as the writer does; false when it refuses.
bool Opens(const AVCodec* encoder, int width, int height) {
  std::unique_ptr<AVCodecContext, CodecDeleter> context(avcodec_alloc_context3(encoder));
  if (!context) return false;
  context->width = width;
  context->height = height;
  context->time_base = AVRational{1, 15};
  context->framerate = AVRational{15, 1};
  context->pix_fmt = PixelFormatFor(encoder);
  // Probing must not print the refusals of encoders that cannot run here.
  const int level = av_log_get_level();
  av_log_set_level(AV_LOG_QUIET);
  const bool opened = avcodec_open2(context.get(), encoder, nullptr) >= 0;
  av_log_set_level(level);
  return opened;
}

bool CarriedByAvi(const AVCodec* encoder) {
  const AVOutputFormat* avi = av_guess_format("avi", nullptr, nullptr);
  return avi && avformat_query_codec(avi, encoder->id, FF_COMPLIANCE_NORMAL) == 1;
}

bool Usable(const AVCodec* encoder, int width, int height) {
  return encoder->type == AVMEDIA_TYPE_VIDEO && av_codec_is_encoder(encoder) &&
         !(encoder->capabilities & (AV_CODEC_CAP_HARDWARE | AV_CODEC_CAP_EXPERIMENTAL)) &&
         CarriedByAvi(encoder) && Opens(encoder, width, height);
}

}  // namespace

std::vector<VideoCodecInfo> UsableVideoCodecs(int width, int height) {
  std::vector<VideoCodecInfo> usable;
  void* at = nullptr;
  while (const AVCodec* encoder = av_codec_iterate(&at)) {
    if (!Usable(encoder, width, height)) continue;
    const std::string_view name = encoder->name;
    usable.push_back({encoder->name, encoder->long_name ? encoder->long_name : encoder->name,
                      std::find(kQuantiserEncoders.begin(), kQuantiserEncoders.end(), name) !=
                          kQuantiserEncoders.end()});
  }
  return usable;
}

bool VideoCodecUsable(const VideoCodec& codec, int width, int height) {
  const AVCodec* encoder = avcodec_find_encoder_by_name(codec.encoder.c_str());
  return encoder && width > 0 && height > 0 && Usable(encoder, width, height);
}

}  // namespace quillo
