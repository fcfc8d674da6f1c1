#include "EncoderSetup.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

#include <string_view>

namespace quillo::codecs {

namespace {

AVPixelFormat EncoderPixelFormat(const AVCodec& encoder) {
  const AVPixelFormat* formats = nullptr;
#if LIBAVCODEC_VERSION_INT >= AV_VERSION_INT(61, 13, 100)
  const void* configs = nullptr;
  if (avcodec_get_supported_config(nullptr, &encoder, AV_CODEC_CONFIG_PIX_FORMAT, 0, &configs,
                                   nullptr) >= 0)
    formats = static_cast<const AVPixelFormat*>(configs);
#else
  formats = encoder.pix_fmts;
#endif
  if (!formats) return AV_PIX_FMT_YUV420P;
  for (const AVPixelFormat preferred : {AV_PIX_FMT_YUVJ420P, AV_PIX_FMT_YUV420P})
    for (const AVPixelFormat* f = formats; *f != AV_PIX_FMT_NONE; ++f)
      if (*f == preferred) return preferred;
  return formats[0];
}

bool IsFullRange(AVPixelFormat format) {
  const AVPixFmtDescriptor* d = av_pix_fmt_desc_get(format);
  return d && std::string_view(d->name).starts_with("yuvj");
}

}  // namespace

void SetUpEncoder(AVCodecContext& context, const AVCodec& encoder, int width, int height,
                  int framesPerSecond) {
  context.width = width;
  context.height = height;
  context.time_base = AVRational{1, framesPerSecond};
  context.framerate = AVRational{framesPerSecond, 1};
  context.pix_fmt = EncoderPixelFormat(encoder);
  context.color_range = IsFullRange(context.pix_fmt) ? AVCOL_RANGE_JPEG : AVCOL_RANGE_MPEG;
  context.flags |= AV_CODEC_FLAG_BITEXACT;
  // Every frame a key frame, so that a player can show any of them at once.
  context.gop_size = 1;
  context.max_b_frames = 0;
}

}  // namespace quillo::codecs
