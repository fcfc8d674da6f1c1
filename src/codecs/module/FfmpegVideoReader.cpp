// Reading the frames of a video file with FFmpeg into 32-bit bitmaps:
// sequential frames decode on, a jump seeks.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
}

#include <algorithm>
#include <cmath>

#include "CodecFunctions.h"
#include "FfmpegHandles.h"
#include "FrameConverter.h"
#include "base/Error.h"

namespace quillo::codecs {

std::string FfmpegErrorText(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  if (av_strerror(code, text, sizeof text) < 0) return "Unknown error code";
  return text;
}

namespace {

void Check(int code) {
  if (code < 0) throw Error(FfmpegErrorText(code));
}

// Frames the decoder reads on rather than seeking: a short jump forward.
constexpr int kDecodeAhead = 30;

class FfmpegVideo : public VideoReading {
 public:
  explicit FfmpegVideo(const std::string& path);
  VideoFacts Facts() const override { return info_; }
  const Bitmap& Frame(int index) override;

 private:
  int IndexOf(const AVFrame& f) const;
  void Convert(const AVFrame& f);
  bool DecodeNext();
  void SeekBefore(int index);

  std::unique_ptr<AVFormatContext, FormatCloser> format_;
  std::unique_ptr<AVCodecContext, CodecFreer> codec_;
  std::unique_ptr<AVFrame, FrameFreer> frame_{av_frame_alloc()};
  std::unique_ptr<AVPacket, PacketFreer> packet_{av_packet_alloc()};
  AVStream* stream_ = nullptr;
  VideoFacts info_;
  Bitmap picture_;
  FrameConverter converter_;
  int current_ = -1;  // index of the frame in picture_; -1 before the first
  bool ended_ = false;
};

FfmpegVideo::FfmpegVideo(const std::string& path) {
  av_log_set_level(AV_LOG_QUIET);
  if (!frame_ || !packet_) throw Error("Not enough memory");
  AVFormatContext* format = nullptr;
  Check(avformat_open_input(&format, path.c_str(), nullptr, nullptr));
  format_.reset(format);
  Check(avformat_find_stream_info(format, nullptr));
  const AVCodec* decoder = nullptr;
  const int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
  Check(index);
  stream_ = format->streams[index];
  codec_.reset(avcodec_alloc_context3(decoder));
  if (!codec_) throw Error("Not enough memory");
  Check(avcodec_parameters_to_context(codec_.get(), stream_->codecpar));
  Check(avcodec_open2(codec_.get(), decoder, nullptr));

  AVRational rate = av_guess_frame_rate(format, stream_, nullptr);
  if (rate.num <= 0 || rate.den <= 0) rate = AVRational{25, 1};
  info_.framesPerSecond = av_q2d(rate);
  info_.width = codec_->width;
  info_.height = codec_->height;
  if (!IsAcceptableSize(info_.width, info_.height) || info_.width <= 0 || info_.height <= 0)
    throw Error(FfmpegErrorText(AVERROR_INVALIDDATA));
  std::int64_t frames = stream_->nb_frames;
  if (frames <= 0 && stream_->duration != AV_NOPTS_VALUE)
    frames = std::llround(stream_->duration * av_q2d(stream_->time_base) * info_.framesPerSecond);
  if (frames <= 0 && format->duration != AV_NOPTS_VALUE)
    frames = std::llround(format->duration / double(AV_TIME_BASE) * info_.framesPerSecond);
  if (frames <= 0 || frames > 10'000'000) throw Error(FfmpegErrorText(AVERROR_INVALIDDATA));
  info_.frames = static_cast<int>(frames);
  picture_.SetSize(info_.width, info_.height);
  // The first picture must decode, or the file is no video we can show.
  if (!DecodeNext()) throw Error(FfmpegErrorText(AVERROR_INVALIDDATA));
  Convert(*frame_);
  current_ = 0;
}

int FfmpegVideo::IndexOf(const AVFrame& f) const {
  std::int64_t pts = f.best_effort_timestamp;
  if (pts == AV_NOPTS_VALUE) return current_ + 1;
  if (stream_->start_time != AV_NOPTS_VALUE) pts -= stream_->start_time;
  return static_cast<int>(std::llround(pts * av_q2d(stream_->time_base) * info_.framesPerSecond));
}

void FfmpegVideo::Convert(const AVFrame& f) {
  if (f.width != info_.width || f.height != info_.height) return;  // a damaged frame
  converter_.Convert(f, picture_, "The video's pictures cannot be converted.");
}

// Decodes the next frame into frame_; false at the end of the file.
bool FfmpegVideo::DecodeNext() {
  while (true) {
    const int received = avcodec_receive_frame(codec_.get(), frame_.get());
    if (received == 0) return true;
    if (received == AVERROR_EOF) return false;
    if (received != AVERROR(EAGAIN)) Check(received);
    if (ended_) return false;
    const int read = av_read_frame(format_.get(), packet_.get());
    if (read < 0) {
      ended_ = true;
      avcodec_send_packet(codec_.get(), nullptr);  // drain
      continue;
    }
    if (packet_->stream_index == stream_->index) {
      // A damaged packet is skipped; the picture stays.
      avcodec_send_packet(codec_.get(), packet_.get());
    }
    av_packet_unref(packet_.get());
  }
}

void FfmpegVideo::SeekBefore(int index) {
  const double seconds = index / info_.framesPerSecond;
  std::int64_t target = static_cast<std::int64_t>(seconds / av_q2d(stream_->time_base));
  if (stream_->start_time != AV_NOPTS_VALUE) target += stream_->start_time;
  Check(av_seek_frame(format_.get(), stream_->index, target, AVSEEK_FLAG_BACKWARD));
  avcodec_flush_buffers(codec_.get());
  ended_ = false;
  current_ = -1;
}

const Bitmap& FfmpegVideo::Frame(int index) {
  index = std::clamp(index, 0, info_.frames - 1);
  if (index == current_) return picture_;
  if (index < current_ || index > current_ + kDecodeAhead) SeekBefore(index);
  while (current_ < index) {
    if (!DecodeNext()) {
      current_ = index;  // the file ends early: the last picture stays
      break;
    }
    const int decoded = IndexOf(*frame_);
    if (decoded >= index || decoded <= current_) Convert(*frame_);
    current_ = std::max(decoded, current_ + 1);
    if (decoded >= index) break;
  }
  return picture_;
}

}  // namespace

std::unique_ptr<VideoReading> OpenFfmpegVideo(const std::string& path) {
  return std::make_unique<FfmpegVideo>(path);
}

}  // namespace quillo::codecs
