#include "EncoderSetup.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

#include <initializer_list>
#include <string_view>

namespace quillo::codecs {

namespace {

// The formats the encoder takes, ending in AV_PIX_FMT_NONE, or nullptr when
// it takes any (raw frames).
const AVPixelFormat* SupportedFormats(const AVCodec& encoder) {
#if LIBAVCODEC_VERSION_INT >= AV_VERSION_INT(61, 13, 100)
  const void* configs = nullptr;
  if (avcodec_get_supported_config(nullptr, &encoder, AV_CODEC_CONFIG_PIX_FORMAT, 0, &configs,
                                   nullptr) >= 0)
    return static_cast<const AVPixelFormat*>(configs);
  return nullptr;
#else
  return encoder.pix_fmts;
#endif
}

// The first of the preferred formats the encoder takes, or AV_PIX_FMT_NONE.
AVPixelFormat FirstTaken(const AVPixelFormat* formats,
                         std::initializer_list<AVPixelFormat> preferred) {
  for (const AVPixelFormat wanted : preferred)
    for (const AVPixelFormat* f = formats; *f != AV_PIX_FMT_NONE; ++f)
      if (*f == wanted) return wanted;
  return AV_PIX_FMT_NONE;
}

// Packed 8-bit RGB first (the frames' own layout, then 24-bit), planar last.
constexpr std::initializer_list<AVPixelFormat> kRgbFormats = {
    AV_PIX_FMT_BGR0, AV_PIX_FMT_BGRA, AV_PIX_FMT_BGR24, AV_PIX_FMT_RGB24,
    AV_PIX_FMT_RGB0, AV_PIX_FMT_0RGB, AV_PIX_FMT_RGBA,  AV_PIX_FMT_ARGB,
    AV_PIX_FMT_0BGR, AV_PIX_FMT_ABGR, AV_PIX_FMT_GBRP};

AVPixelFormat EncoderPixelFormat(const AVCodec& encoder, VideoContainer container) {
  const AVPixelFormat* formats = SupportedFormats(encoder);
  if (encoder.id == AV_CODEC_ID_GIF) return AV_PIX_FMT_PAL8;
  // Raw frames as 24-bit rows, as an uncompressed AVI holds them.
  if (!formats) return IsLossless(encoder) ? AV_PIX_FMT_BGR24 : AV_PIX_FMT_YUV420P;
  const AVPixelFormat rgb = FirstTaken(formats, kRgbFormats);
  if (IsLossless(encoder) && rgb != AV_PIX_FMT_NONE) return rgb;
  const AVPixelFormat yuv = container == VideoContainer::kAvi
                                ? FirstTaken(formats, {AV_PIX_FMT_YUVJ420P, AV_PIX_FMT_YUV420P})
                                : FirstTaken(formats, {AV_PIX_FMT_YUV420P, AV_PIX_FMT_YUVJ420P});
  if (yuv != AV_PIX_FMT_NONE) return yuv;
  // Neither 4:2:0 nor lossless (JPEG-LS, say): colour before a grey first format.
  return rgb != AV_PIX_FMT_NONE ? rgb : formats[0];
}

bool IsFullRange(AVPixelFormat format) {
  const AVPixFmtDescriptor* d = av_pix_fmt_desc_get(format);
  return d && std::string_view(d->name).starts_with("yuvj");
}

}  // namespace

const AVOutputFormat* Muxer(VideoContainer container) {
  return av_guess_format(ContainerName(container), nullptr, nullptr);
}

bool IsLossless(const AVCodec& encoder) {
  const AVCodecDescriptor* d = avcodec_descriptor_get(encoder.id);
  return d && (d->props & AV_CODEC_PROP_LOSSLESS) && !(d->props & AV_CODEC_PROP_LOSSY);
}

void SetUpEncoder(AVCodecContext& context, const AVCodec& encoder, VideoContainer container,
                  int width, int height, int framesPerSecond) {
  context.width = width;
  context.height = height;
  context.time_base = AVRational{1, framesPerSecond};
  context.framerate = AVRational{framesPerSecond, 1};
  context.pix_fmt = EncoderPixelFormat(encoder, container);
  context.color_range = IsFullRange(context.pix_fmt) ? AVCOL_RANGE_JPEG : AVCOL_RANGE_MPEG;
  context.flags |= AV_CODEC_FLAG_BITEXACT;
  context.max_b_frames = 0;
  context.gop_size = container == VideoContainer::kAvi ? 1 : 2 * framesPerSecond;
}

}  // namespace quillo::codecs
