// Writing a video with FFmpeg, frame by frame, into a temporary file beside
// the target that replaces the target only once it is complete: AVI, MP4 and
// WebM through the scaler into the encoder's pixel format, an animated GIF
// through one palette made from all its frames.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
#include <libswscale/swscale.h>
}

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "CodecFunctions.h"
#include "EncoderSetup.h"
#include "FfmpegHandles.h"
#include "PaddedFrame.h"
#include "base/Error.h"
#include "base/FileBytes.h"
#include "base/Palette.h"

namespace quillo::codecs {

namespace {

// FFmpeg's sentence for an error code (AVERROR(errno) codes included).
std::string AvText(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

// FFmpeg prints nothing below an error: every failure reaches the caller as
// an Error carrying FFmpeg's text, and warnings would only clutter the output.
void QuietFfmpegLog() {
  static std::once_flag once;
  std::call_once(once, [] {
    if (av_log_get_level() > AV_LOG_ERROR) av_log_set_level(AV_LOG_ERROR);
  });
}

// The video stream's header as players of uncompressed-frame videos expect
// it: the suggested buffer holds one 24-bit frame (rows padded to four
// bytes) and the quality field says nothing (0, where FFmpeg writes -1).
// 0 or an AVERROR code.
int DescribeFrames(int fd, int width, int height) {
  std::array<std::uint8_t, 4096> head{};
  const ssize_t got = ::pread(fd, head.data(), head.size(), 0);
  if (got < 0) return AVERROR(errno);
  const std::string_view bytes(reinterpret_cast<const char*>(head.data()),
                               static_cast<std::size_t>(got));
  // "strh", its length, then the data, which begins with "vids".
  constexpr std::size_t kSuggestedBuffer = 36, kQuality = 40;  // from the data's start
  std::size_t data = std::string_view::npos;
  for (std::size_t at = bytes.find("strh"); at != std::string_view::npos;
       at = bytes.find("strh", at + 4))
    if (at + 12 <= bytes.size() && bytes.substr(at + 8, 4) == "vids") {
      data = at + 8;
      break;
    }
  if (data == std::string_view::npos || data + kQuality + 4 > bytes.size())
    return AVERROR_INVALIDDATA;
  const std::uint32_t frameBytes =
      static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4) * static_cast<std::uint32_t>(height);
  std::array<std::uint8_t, 8> fields{};
  for (int i = 0; i < 4; ++i) fields[i] = static_cast<std::uint8_t>(frameBytes >> (8 * i));
  if (::pwrite(fd, fields.data(), fields.size(), static_cast<off_t>(data + kSuggestedBuffer)) !=
      static_cast<ssize_t>(fields.size()))
    return AVERROR(errno ? errno : EIO);
  return 0;
}

// The muxer writes through these onto the temporary file's descriptor; the
// AVI index and sizes are patched in at the end, so it seeks back too. The
// first failed call's errno is kept, for a message that says why.
#if LIBAVFORMAT_VERSION_MAJOR >= 61
using WriteBuffer = const std::uint8_t*;
#else
using WriteBuffer = std::uint8_t*;
#endif

struct OutputFile {
  explicit OutputFile(const std::string& path) : file(path) {}
  AtomicFile file;
  int failure = 0;  // errno of the first failed write or seek

  int Failed(int code) {
    if (failure == 0) failure = code;
    return AVERROR(code);
  }
};

int WriteBytes(void* opaque, WriteBuffer bytes, int size) {
  auto* out = static_cast<OutputFile*>(opaque);
  const int fd = out->file.Descriptor();
  int done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, bytes + done, static_cast<std::size_t>(size - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return out->Failed(n < 0 ? errno : EIO);
    done += static_cast<int>(n);
  }
  return size;
}

std::int64_t SeekBytes(void* opaque, std::int64_t offset, int whence) {
  auto* out = static_cast<OutputFile*>(opaque);
  const int fd = out->file.Descriptor();
  if (whence & AVSEEK_SIZE) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : out->Failed(errno);
  }
  const off_t at = ::lseek(fd, static_cast<off_t>(offset), whence & ~AVSEEK_FORCE);
  return at < 0 ? out->Failed(errno) : static_cast<std::int64_t>(at);
}

constexpr int kIoBufferSize = 64 * 1024;

// The encoders' own settings where their defaults do not suit short clips of
// faces: H.264 and VP8/VP9 at a constant quality that keeps a face sharp.
void AddEncoderOptions(const AVCodec& encoder, AVDictionary** options) {
  const std::string_view name = encoder.name;
  if (name == "libx264") {
    av_dict_set(options, "crf", "20", 0);
  } else if (name == "libvpx-vp9" || name == "libvpx") {
    av_dict_set(options, "crf", name == "libvpx" ? "10" : "32", 0);
    av_dict_set(options, "b", name == "libvpx" ? "2M" : "0", 0);
    av_dict_set(options, "deadline", "good", 0);
    av_dict_set(options, "cpu-used", "4", 0);
  }
}

class FfmpegVideoWriter : public VideoWriting {
 public:
  FfmpegVideoWriter(std::string target, VideoContainer container, int w, int h)
      : path_(std::move(target)), container_(container), width_(w), height_(h), out_(path_) {}

  void Open(const std::string& encoderName, int qscale, int framesPerSecond);
  void AddFrame(const Bitmap& frame) override;
  void Finish() override;
  int FrameCount() const override { return frames_; }

 private:
  // A writer that failed is done: its temporary file goes at once. A failed
  // write or seek says why in plain words, as a failed save does.
  [[noreturn]] void Fail(const std::string& what, int code = 0) {
    failed_ = true;
    std::string message = "Cannot write video file " + path_ + ": ";
    if (out_.failure != 0) {
      message += FileErrorReason(out_.failure) + ".";
    } else {
      message += what;
      if (code < 0) message += " (" + AvText(code) + ")";
    }
    // The muxer lets go of the output before the file it writes to goes.
    if (format_) format_->pb = nullptr;
    io_.reset();
    try {
      out_.file.Fail(out_.failure != 0 ? out_.failure : EIO);
    } catch (const Error&) {
      // The file's own message names the creation; this one says what failed.
    }
    throw Error(message);
  }
  void Check(int code, const std::string& what) {
    if (code < 0 || out_.failure != 0) Fail(what, code);
  }
  // Throws unless frames may still be added.
  void CheckWritable() const;
  void CheckSize(const Bitmap& bitmap) const;
  void Send(const AVFrame* input);
  // Converts the frame into the encoder's format and sends it.
  void Encode(const Bitmap& bitmap);
  // The GIF's frames, held until the palette of all of them is known.
  void EncodeHeldFrames();

  std::string path_;
  VideoContainer container_;
  int width_ = 0;
  int height_ = 0;
  OutputFile out_;
  // Declared before the format context, which points at it, so freed after.
  std::unique_ptr<AVIOContext, IoFreer> io_;
  std::unique_ptr<AVFormatContext, FormatFreer> format_;
  std::unique_ptr<AVCodecContext, CodecFreer> codec_;
  std::unique_ptr<SwsContext, ScalerFreer> scaler_;
  std::unique_ptr<AVFrame, FrameFreer> frame_;
  std::optional<PaddedFrame> source_;  // the frame's pixels as the scaler reads them
  std::unique_ptr<AVPacket, PacketFreer> packet_;
  std::vector<Bitmap> held_;  // a GIF's frames
  AVStream* stream_ = nullptr;
  int frames_ = 0;
  bool finished_ = false;
  bool failed_ = false;
};

void FfmpegVideoWriter::Open(const std::string& encoderName, int qscale, int framesPerSecond) {
  const AVCodec* encoder = avcodec_find_encoder_by_name(encoderName.c_str());
  if (!encoder || encoder->type != AVMEDIA_TYPE_VIDEO)
    Fail("there is no video encoder \"" + encoderName + "\"");
  const AVOutputFormat* muxer = Muxer(container_);
  if (!muxer) Fail(std::string("this FFmpeg has no ") + ContainerName(container_) + " muxer");
  if (avformat_query_codec(muxer, encoder->id, FF_COMPLIANCE_NORMAL) != 1)
    Fail("a " + std::string(ContainerName(container_)) + " file cannot hold " + encoderName +
         " video");

  AVFormatContext* raw = nullptr;
  Check(avformat_alloc_output_context2(&raw, muxer, nullptr, nullptr), "no muxer");
  format_.reset(raw);
  // No library version or other varying text goes into the file.
  format_->flags |= AVFMT_FLAG_BITEXACT;
  // An MP4 muxer moving its index to the front reads the file back by name.
  av_freep(&format_->url);
  format_->url = av_strdup(out_.file.TemporaryPath().c_str());
  auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferSize));
  if (!buffer || !format_->url) Fail("out of memory", AVERROR(ENOMEM));
  io_.reset(avio_alloc_context(buffer, kIoBufferSize, 1, &out_, nullptr, WriteBytes, SeekBytes));
  if (!io_) {
    av_free(buffer);
    Fail("out of memory", AVERROR(ENOMEM));
  }
  format_->pb = io_.get();

  stream_ = avformat_new_stream(format_.get(), nullptr);
  codec_.reset(avcodec_alloc_context3(encoder));
  if (!stream_ || !codec_) Fail("out of memory", AVERROR(ENOMEM));
  SetUpEncoder(*codec_, *encoder, container_, width_, height_, framesPerSecond);
  if (qscale > 0) {
    codec_->flags |= AV_CODEC_FLAG_QSCALE;
    codec_->global_quality = FF_QP2LAMBDA * qscale;
  }
  if (format_->oformat->flags & AVFMT_GLOBALHEADER) codec_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  AVDictionary* options = nullptr;
  AddEncoderOptions(*encoder, &options);
  const int opened = avcodec_open2(codec_.get(), encoder, &options);
  av_dict_free(&options);
  Check(opened, "the encoder " + encoderName + " does not take these settings");
  Check(avcodec_parameters_from_context(stream_->codecpar, codec_.get()),
        "cannot describe the stream");
  stream_->time_base = codec_->time_base;
  stream_->avg_frame_rate = codec_->framerate;
  AVDictionary* muxing = nullptr;
  // The index at the front, so that a browser plays the file as it arrives.
  if (container_ == VideoContainer::kMp4) av_dict_set(&muxing, "movflags", "+faststart", 0);
  // A GIF loops for ever.
  if (container_ == VideoContainer::kGif) av_dict_set(&muxing, "loop", "0", 0);
  const int header = avformat_write_header(format_.get(), &muxing);
  av_dict_free(&muxing);
  Check(header, "cannot write the header");

  frame_.reset(av_frame_alloc());
  packet_.reset(av_packet_alloc());
  if (!frame_ || !packet_) Fail("cannot allocate a frame", AVERROR(ENOMEM));
  frame_->format = codec_->pix_fmt;
  frame_->width = width_;
  frame_->height = height_;
  frame_->color_range = codec_->color_range;
  Check(av_frame_get_buffer(frame_.get(), 0), "cannot allocate a frame");
  if (codec_->pix_fmt == AV_PIX_FMT_PAL8) return;  // frames go through the palette instead
  // Same size, so this only converts; bit-exact for the same bytes everywhere.
  scaler_.reset(sws_getContext(width_, height_, AV_PIX_FMT_BGR0, width_, height_, codec_->pix_fmt,
                               SWS_BICUBIC | SWS_ACCURATE_RND | SWS_BITEXACT, nullptr, nullptr,
                               nullptr));
  if (!scaler_) Fail("cannot set up the colour conversion", AVERROR(ENOMEM));
  source_.emplace(width_, height_);
}

// Feeds a frame (or the end, for nullptr) to the encoder and writes every
// packet it gives back.
void FfmpegVideoWriter::Send(const AVFrame* input) {
  Check(avcodec_send_frame(codec_.get(), input), "the encoder refused a frame");
  for (;;) {
    const int got = avcodec_receive_packet(codec_.get(), packet_.get());
    if (got == AVERROR(EAGAIN) || got == AVERROR_EOF) return;
    Check(got, "the encoder failed");
    av_packet_rescale_ts(packet_.get(), codec_->time_base, stream_->time_base);
    packet_->stream_index = stream_->index;
    Check(av_interleaved_write_frame(format_.get(), packet_.get()), "cannot write a frame");
  }
}

void FfmpegVideoWriter::CheckWritable() const {
  if (finished_) throw Error("Cannot write video file " + path_ + ": it is already finished");
  if (failed_) throw Error("Cannot write video file " + path_ + ": an earlier step failed");
}

void FfmpegVideoWriter::CheckSize(const Bitmap& bitmap) const {
  if (bitmap.Width() != width_ || bitmap.Height() != height_)
    throw Error("Cannot write video file " + path_ + ": a frame of " +
                std::to_string(bitmap.Width()) + " x " + std::to_string(bitmap.Height()) +
                " pixels in a video of " + std::to_string(width_) + " x " +
                std::to_string(height_));
}

void FfmpegVideoWriter::Encode(const Bitmap& bitmap) {
  // The encoder may still hold the previous frame's buffer.
  Check(av_frame_make_writable(frame_.get()), "cannot allocate a frame");
  source_->CopyFrom(bitmap);
  const int rows = sws_scale(scaler_.get(), source_->Planes(), source_->Strides(), 0, height_,
                             frame_->data, frame_->linesize);
  if (rows != height_) Fail("cannot convert a frame", rows < 0 ? rows : AVERROR(EINVAL));
  frame_->pts = frames_;
  // A fixed quantiser is taken from each frame.
  frame_->quality = codec_->global_quality;
  Send(frame_.get());
}

void FfmpegVideoWriter::AddFrame(const Bitmap& bitmap) {
  CheckWritable();
  CheckSize(bitmap);
  if (scaler_)
    Encode(bitmap);
  else
    held_.push_back(bitmap);
  ++frames_;
}

void FfmpegVideoWriter::EncodeHeldFrames() {
  std::vector<const Bitmap*> all;
  for (const Bitmap& b : held_) all.push_back(&b);
  PaletteDitherer ditherer(MakePalette(all));
  for (std::size_t i = 0; i < held_.size(); ++i) {
    Check(av_frame_make_writable(frame_.get()), "cannot allocate a frame");
    const std::vector<std::uint8_t> indices = ditherer.Dither(held_[i]);
    for (int y = 0; y < height_; ++y)
      std::copy_n(indices.data() + static_cast<std::ptrdiff_t>(y) * width_, width_,
                  frame_->data[0] + static_cast<std::ptrdiff_t>(y) * frame_->linesize[0]);
    auto* palette = reinterpret_cast<std::uint32_t*>(frame_->data[1]);
    std::fill_n(palette, 256, 0xFF000000u);
    for (std::size_t c = 0; c < ditherer.Colours().size(); ++c)
      palette[c] = 0xFF000000u | ColourBits(ditherer.Colours()[c]);
    frame_->pts = static_cast<std::int64_t>(i);
    Send(frame_.get());
    held_[i] = Bitmap();  // done with it
  }
  held_.clear();
}

void FfmpegVideoWriter::Finish() {
  CheckWritable();
  if (!scaler_) EncodeHeldFrames();
  Send(nullptr);
  Check(av_write_trailer(format_.get()), "cannot write the index");
  avio_flush(io_.get());
  if (container_ == VideoContainer::kAvi)
    Check(DescribeFrames(out_.file.Descriptor(), width_, height_),
          "cannot write the stream header");
  Check(io_->error, "cannot write the file");
  try {
    out_.file.Commit();
  } catch (const Error&) {
    failed_ = true;
    throw;
  }
  finished_ = true;
}

}  // namespace

std::unique_ptr<VideoWriting> CreateFfmpegVideo(const std::string& path, VideoContainer container,
                                                int width, int height, int framesPerSecond,
                                                const std::string& encoder, int qscale) {
  QuietFfmpegLog();
  if (width <= 0 || height <= 0 || framesPerSecond <= 0)
    throw Error("Cannot write video file " + path +
                ": the frame size and the frame rate must be positive");
  auto writer = std::make_unique<FfmpegVideoWriter>(path, container, width, height);
  writer->Open(encoder, qscale, framesPerSecond);
  return writer;
}

}  // namespace quillo::codecs
