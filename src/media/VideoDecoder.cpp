#include "media/VideoDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>

#include "base/Error.h"

namespace quillo {

std::string FfmpegErrorText(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  if (av_strerror(code, text, sizeof text) < 0) return "Unknown error code";
  return text;
}

namespace {

struct FormatCloser {
  void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct CodecFreer {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameFreer {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFreer {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct ScalerFreer {
  void operator()(SwsContext* s) const { sws_freeContext(s); }
};

void Check(int code) {
  if (code < 0) throw Error(FfmpegErrorText(code));
}

// Frames the decoder reads on rather than seeking: a short jump forward.
constexpr int kDecodeAhead = 30;

}  // namespace

struct VideoDecoder::Streams {
  std::unique_ptr<AVFormatContext, FormatCloser> format;
  std::unique_ptr<AVCodecContext, CodecFreer> codec;
  std::unique_ptr<AVFrame, FrameFreer> frame{av_frame_alloc()};
  std::unique_ptr<AVPacket, PacketFreer> packet{av_packet_alloc()};
  std::unique_ptr<SwsContext, ScalerFreer> scaler;
  AVStream* stream = nullptr;
  MediaInfo info;
  Bitmap picture;
  int current = -1;  // index of the frame in picture; -1 before the first
  bool ended = false;

  int IndexOf(const AVFrame& f) const {
    std::int64_t pts = f.best_effort_timestamp;
    if (pts == AV_NOPTS_VALUE) return current + 1;
    if (stream->start_time != AV_NOPTS_VALUE) pts -= stream->start_time;
    return static_cast<int>(std::llround(pts * av_q2d(stream->time_base) * info.framesPerSecond));
  }

  void Convert(const AVFrame& f) {
    if (f.width != info.width || f.height != info.height) return;  // a damaged frame
    scaler.reset(sws_getCachedContext(scaler.release(), f.width, f.height,
                                      static_cast<AVPixelFormat>(f.format), info.width,
                                      info.height, AV_PIX_FMT_BGR0, SWS_BILINEAR, nullptr,
                                      nullptr, nullptr));
    if (!scaler) throw Error("The video's pictures cannot be converted.");
    std::uint8_t* planes[4] = {reinterpret_cast<std::uint8_t*>(picture.Data())};
    int strides[4] = {picture.Stride()};
    sws_scale(scaler.get(), f.data, f.linesize, 0, f.height, planes, strides);
  }

  // Decodes the next frame into frame; false at the end of the file.
  bool DecodeNext() {
    while (true) {
      const int received = avcodec_receive_frame(codec.get(), frame.get());
      if (received == 0) return true;
      if (received == AVERROR_EOF) return false;
      if (received != AVERROR(EAGAIN)) Check(received);
      if (ended) return false;
      const int read = av_read_frame(format.get(), packet.get());
      if (read < 0) {
        ended = true;
        avcodec_send_packet(codec.get(), nullptr);  // drain
        continue;
      }
      if (packet->stream_index == stream->index) {
        // A damaged packet is skipped; the picture stays.
        avcodec_send_packet(codec.get(), packet.get());
      }
      av_packet_unref(packet.get());
    }
  }

  void SeekBefore(int index) {
    const double seconds = index / info.framesPerSecond;
    std::int64_t target = static_cast<std::int64_t>(seconds / av_q2d(stream->time_base));
    if (stream->start_time != AV_NOPTS_VALUE) target += stream->start_time;
    Check(av_seek_frame(format.get(), stream->index, target, AVSEEK_FLAG_BACKWARD));
    avcodec_flush_buffers(codec.get());
    ended = false;
    current = -1;
  }
};

VideoDecoder::VideoDecoder(const std::string& path) : streams_(std::make_unique<Streams>()) {
  av_log_set_level(AV_LOG_QUIET);
  Streams& s = *streams_;
  if (!s.frame || !s.packet) throw Error("Not enough memory");
  AVFormatContext* format = nullptr;
  Check(avformat_open_input(&format, path.c_str(), nullptr, nullptr));
  s.format.reset(format);
  Check(avformat_find_stream_info(format, nullptr));
  const AVCodec* decoder = nullptr;
  const int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
  Check(index);
  s.stream = format->streams[index];
  s.codec.reset(avcodec_alloc_context3(decoder));
  if (!s.codec) throw Error("Not enough memory");
  Check(avcodec_parameters_to_context(s.codec.get(), s.stream->codecpar));
  Check(avcodec_open2(s.codec.get(), decoder, nullptr));

  AVRational rate = av_guess_frame_rate(format, s.stream, nullptr);
  if (rate.num <= 0 || rate.den <= 0) rate = AVRational{25, 1};
  s.info.framesPerSecond = av_q2d(rate);
  s.info.width = s.codec->width;
  s.info.height = s.codec->height;
  if (!IsAcceptableSize(s.info.width, s.info.height) || s.info.width <= 0 || s.info.height <= 0)
    throw Error(FfmpegErrorText(AVERROR_INVALIDDATA));
  std::int64_t frames = s.stream->nb_frames;
  if (frames <= 0 && s.stream->duration != AV_NOPTS_VALUE)
    frames = std::llround(s.stream->duration * av_q2d(s.stream->time_base) * s.info.framesPerSecond);
  if (frames <= 0 && format->duration != AV_NOPTS_VALUE)
    frames = std::llround(format->duration / double(AV_TIME_BASE) * s.info.framesPerSecond);
  if (frames <= 0 || frames > 10'000'000) throw Error(FfmpegErrorText(AVERROR_INVALIDDATA));
  s.info.frames = static_cast<int>(frames);
  s.picture.SetSize(s.info.width, s.info.height);
  // The first picture must decode, or the file is no video we can show.
  if (!s.DecodeNext()) throw Error(FfmpegErrorText(AVERROR_INVALIDDATA));
  s.Convert(*s.frame);
  s.current = 0;
}

VideoDecoder::~VideoDecoder() = default;

const MediaInfo& VideoDecoder::Info() const { return streams_->info; }

const Bitmap& VideoDecoder::Frame(int index) {
  Streams& s = *streams_;
  index = std::clamp(index, 0, s.info.frames - 1);
  if (index == s.current) return s.picture;
  if (index < s.current || index > s.current + kDecodeAhead) s.SeekBefore(index);
  while (s.current < index) {
    if (!s.DecodeNext()) {
      s.current = index;  // the file ends early: the last picture stays
      break;
    }
    const int decoded = s.IndexOf(*s.frame);
    if (decoded >= index || decoded <= s.current) s.Convert(*s.frame);
    s.current = std::max(decoded, s.current + 1);
    if (decoded >= index) break;
  }
  return s.picture;
}

}  // namespace quillo
