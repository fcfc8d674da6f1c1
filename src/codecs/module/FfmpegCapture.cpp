// Taking frames from a capture device with FFmpeg's device inputs
// (video4linux2, or lavfi's test pattern). The device is read without
// blocking, so polling it from the user-interface thread never waits for a
// frame; each poll keeps only the newest frame delivered.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavdevice/avdevice.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <mutex>

#include "CodecFunctions.h"
#include "FfmpegHandles.h"
#include "FrameConverter.h"
#include "base/Error.h"

namespace quillo::codecs {

namespace {

// Packets read per poll at most from a live device, which queues a few
// frames; a generated source makes a new frame on every read, so it gives one.
constexpr int kLivePacketsPerPoll = 16;

void Check(int code, const std::string& what) {
  if (code < 0) throw Error(what + ": " + FfmpegErrorText(code));
}

class FfmpegCapture : public CaptureReading {
 public:
  FfmpegCapture(const std::string& format, const std::string& url,
                const std::vector<std::pair<std::string, std::string>>& options);
  bool Poll() override;
  const Bitmap& Frame() const override { return picture_; }

 private:
  void Convert(const AVFrame& f);

  std::unique_ptr<AVFormatContext, FormatCloser> format_;
  std::unique_ptr<AVCodecContext, CodecFreer> codec_;
  std::unique_ptr<AVFrame, FrameFreer> frame_{av_frame_alloc()};
  std::unique_ptr<AVPacket, PacketFreer> packet_{av_packet_alloc()};
  std::unique_ptr<AVPacket, PacketFreer> newest_{av_packet_alloc()};
  FrameConverter converter_;
  int stream_ = -1;
  bool live_ = false;
  Bitmap picture_;
};

FfmpegCapture::FfmpegCapture(const std::string& format, const std::string& url,
                             const std::vector<std::pair<std::string, std::string>>& options) {
  static std::once_flag registered;
  std::call_once(registered, [] { avdevice_register_all(); });
  av_log_set_level(AV_LOG_QUIET);
  if (!frame_ || !packet_ || !newest_) throw Error("Not enough memory");
  const AVInputFormat* input = av_find_input_format(format.c_str());
  if (!input) throw Error("FFmpeg has no " + format + " input");
  live_ = format != "lavfi";

  AVDictionary* raw = nullptr;
  for (const auto& [key, value] : options) av_dict_set(&raw, key.c_str(), value.c_str(), 0);
  std::unique_ptr<AVDictionary, DictionaryFreer> dictionary(raw);
  AVFormatContext* context = avformat_alloc_context();
  if (!context) throw Error("Not enough memory");
  context->flags |= AVFMT_FLAG_NONBLOCK;
  raw = dictionary.release();
  const int opened = avformat_open_input(&context, url.c_str(), input, &raw);
  dictionary.reset(raw);
  Check(opened, "Cannot open " + url);  // avformat_open_input frees the context on failure
  format_.reset(context);

  for (unsigned i = 0; i < context->nb_streams; ++i)
    if (context->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
      stream_ = static_cast<int>(i);
      break;
    }
  if (stream_ < 0) throw Error("The capture device gives no picture");
  const AVCodecParameters* parameters = context->streams[stream_]->codecpar;
  const AVCodec* decoder = avcodec_find_decoder(parameters->codec_id);
  if (!decoder) throw Error("FFmpeg cannot decode the capture device's pictures");
  codec_.reset(avcodec_alloc_context3(decoder));
  if (!codec_) throw Error("Not enough memory");
  Check(avcodec_parameters_to_context(codec_.get(), parameters), "Capture decoder");
  Check(avcodec_open2(codec_.get(), decoder, nullptr), "Capture decoder");
}

void FfmpegCapture::Convert(const AVFrame& f) {
  if (f.width <= 0 || f.height <= 0 || !IsAcceptableSize(f.width, f.height)) return;
  converter_.Convert(f, picture_, "The capture device's pictures cannot be converted.");
}

bool FfmpegCapture::Poll() {
  bool got = false;
  const int reads = live_ ? kLivePacketsPerPoll : 1;
  for (int n = 0; n < reads; ++n) {
    const int read = av_read_frame(format_.get(), packet_.get());
    if (read == AVERROR(EAGAIN)) break;
    Check(read, "The capture device stopped");
    if (packet_->stream_index == stream_) {
      av_packet_unref(newest_.get());
      av_packet_move_ref(newest_.get(), packet_.get());
      got = true;
    } else {
      av_packet_unref(packet_.get());
    }
  }
  if (!got) return false;
  // Device frames stand alone (raw or JPEG pictures): only the newest is decoded.
  const int sent = avcodec_send_packet(codec_.get(), newest_.get());
  av_packet_unref(newest_.get());
  if (sent < 0) return false;  // a damaged frame; the last picture stays
  bool decoded = false;
  while (avcodec_receive_frame(codec_.get(), frame_.get()) == 0) {
    Convert(*frame_);
    av_frame_unref(frame_.get());
    decoded = true;
  }
  return decoded;
}

}  // namespace

std::unique_ptr<CaptureReading> OpenFfmpegCapture(
    const std::string& format, const std::string& url,
    const std::vector<std::pair<std::string, std::string>>& options) {
  return std::make_unique<FfmpegCapture>(format, url, options);
}

}  // namespace quillo::codecs
