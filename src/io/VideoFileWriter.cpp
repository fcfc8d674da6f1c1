#include "VideoFileWriter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <utility>

#include "base/Error.h"

namespace quillo {

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

struct FormatDeleter {
  void operator()(AVFormatContext* f) const { avformat_free_context(f); }
};
struct IoDeleter {
  void operator()(AVIOContext* io) const {
    av_freep(&io->buffer);
    avio_context_free(&io);
  }
};
struct CodecDeleter {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct ScalerDeleter {
  void operator()(SwsContext* s) const { sws_freeContext(s); }
};
struct FrameDeleter {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketDeleter {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};

// The file the video is written to: created under a unique name in the
// target's folder, and removed again unless it has replaced the target.
class TempFile {
 public:
  explicit TempFile(const std::string& target) {
    const std::string::size_type slash = target.rfind('/');
    path_ = (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) +
            ".quillo-XXXXXX";
    fd_ = ::mkstemp(path_.data());
    if (fd_ < 0) creationError_ = AVERROR(errno);
    created_ = fd_ >= 0;
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() { Discard(); }

  // Closes and removes the file unless it has become the target.
  void Discard() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    if (created_) ::unlink(path_.c_str());
    created_ = false;
  }

  // 0, or the AVERROR code of the failed creation.
  int CreationError() const { return creationError_; }
  int Descriptor() const { return fd_; }

  // Gives the file the permissions a plain create would, puts it on disk and
  // renames it over the target. 0 or an AVERROR code.
  int ReplaceTarget(const std::string& target) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    int error = 0;
    if (::fchmod(fd_, 0666 & ~mask) != 0 || ::fsync(fd_) != 0) error = AVERROR(errno);
    if (::close(std::exchange(fd_, -1)) != 0 && error == 0) error = AVERROR(errno);
    if (error == 0 && std::rename(path_.c_str(), target.c_str()) != 0) error = AVERROR(errno);
    if (error == 0) created_ = false;  // it is the target now
    return error;
  }

 private:
  std::string path_;
  int fd_ = -1;
  int creationError_ = 0;
  bool created_ = false;
};

// The muxer writes through these onto the temporary file's descriptor; the
// AVI index and sizes are patched in at the end, so it seeks back too.
#if LIBAVFORMAT_VERSION_MAJOR >= 61
using WriteBuffer = const std::uint8_t*;
#else
using WriteBuffer = std::uint8_t*;
#endif

int WriteBytes(void* opaque, WriteBuffer bytes, int size) {
  const int fd = static_cast<const TempFile*>(opaque)->Descriptor();
  int done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, bytes + done, static_cast<std::size_t>(size - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? AVERROR(errno) : AVERROR(EIO);
    done += static_cast<int>(n);
  }
  return size;
}

std::int64_t SeekBytes(void* opaque, std::int64_t offset, int whence) {
  const int fd = static_cast<const TempFile*>(opaque)->Descriptor();
  if (whence & AVSEEK_SIZE) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : AVERROR(errno);
  }
  const off_t at = ::lseek(fd, static_cast<off_t>(offset), whence & ~AVSEEK_FORCE);
  return at < 0 ? AVERROR(errno) : static_cast<std::int64_t>(at);
}

// The encoder's pixel format: 4:2:0, full range where it takes that (Motion
// JPEG's yuvj420p), else its first format.
AVPixelFormat EncoderPixelFormat(const AVCodec* encoder) {
  const AVPixelFormat* formats = nullptr;
#if LIBAVCODEC_VERSION_INT >= AV_VERSION_INT(61, 13, 100)
  const void* configs = nullptr;
  if (avcodec_get_supported_config(nullptr, encoder, AV_CODEC_CONFIG_PIX_FORMAT, 0, &configs,
                                   nullptr) >= 0)
    formats = static_cast<const AVPixelFormat*>(configs);
#else
  formats = encoder->pix_fmts;
#endif
  if (!formats) return AV_PIX_FMT_YUV420P;
  for (const AVPixelFormat preferred : {AV_PIX_FMT_YUVJ420P, AV_PIX_FMT_YUV420P})
    for (const AVPixelFormat* f = formats; *f != AV_PIX_FMT_NONE; ++f)
      if (*f == preferred) return preferred;
  return formats[0];
}

bool IsFullRange(AVPixelFormat format) {
  const AVPixFmtDescriptor* d = av_pix_fmt_desc_get(format);
  return d && std::string(d->name).starts_with("yuvj");
}

constexpr int kIoBufferSize = 64 * 1024;

}  // namespace

struct VideoFileWriter::State {
  std::string path;
  int width = 0;
  int height = 0;
  TempFile file;
  // Declared before the format context, which points at it, so freed after.
  std::unique_ptr<AVIOContext, IoDeleter> io;
  std::unique_ptr<AVFormatContext, FormatDeleter> format;
  std::unique_ptr<AVCodecContext, CodecDeleter> codec;
  std::unique_ptr<SwsContext, ScalerDeleter> scaler;
  std::unique_ptr<AVFrame, FrameDeleter> frame;
  std::unique_ptr<AVPacket, PacketDeleter> packet;
  AVStream* stream = nullptr;
  int frames = 0;
  bool finished = false;
  bool failed = false;

  State(std::string target, int w, int h)
      : path(std::move(target)), width(w), height(h), file(path) {}

  // A writer that failed is done: its temporary file goes at once.
  [[noreturn]] void Fail(const std::string& what, int code = 0) {
    failed = true;
    file.Discard();
    std::string message = "Cannot write video file " + path + ": " + what;
    if (code < 0) message += " (" + AvText(code) + ")";
    throw Error(message);
  }
  void Check(int code, const std::string& what) {
    if (code < 0) Fail(what, code);
  }

  void Open(const VideoCodec& settings, int framesPerSecond);
  void Send(const AVFrame* input);
};

void VideoFileWriter::State::Open(const VideoCodec& settings, int framesPerSecond) {
  const AVCodec* encoder = avcodec_find_encoder_by_name(settings.encoder.c_str());
  if (!encoder || encoder->type != AVMEDIA_TYPE_VIDEO)
    Fail("there is no video encoder \"" + settings.encoder + "\"");
  if (const int error = file.CreationError()) Fail("cannot create a file in its folder", error);

  AVFormatContext* raw = nullptr;
  Check(avformat_alloc_output_context2(&raw, nullptr, "avi", nullptr), "no AVI muxer");
  format.reset(raw);
  // No library version or other varying text goes into the file.
  format->flags |= AVFMT_FLAG_BITEXACT;
  auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferSize));
  if (!buffer) Fail("out of memory", AVERROR(ENOMEM));
  io.reset(avio_alloc_context(buffer, kIoBufferSize, 1, &file, nullptr, WriteBytes, SeekBytes));
  if (!io) {
    av_free(buffer);
    Fail("out of memory", AVERROR(ENOMEM));
  }
  format->pb = io.get();

  stream = avformat_new_stream(format.get(), nullptr);
  codec.reset(avcodec_alloc_context3(encoder));
  if (!stream || !codec) Fail("out of memory", AVERROR(ENOMEM));
  codec->width = width;
  codec->height = height;
  codec->time_base = AVRational{1, framesPerSecond};
  codec->framerate = AVRational{framesPerSecond, 1};
  codec->pix_fmt = EncoderPixelFormat(encoder);
  codec->color_range = IsFullRange(codec->pix_fmt) ? AVCOL_RANGE_JPEG : AVCOL_RANGE_MPEG;
  codec->flags |= AV_CODEC_FLAG_BITEXACT;
  if (settings.qscale > 0) {
    codec->flags |= AV_CODEC_FLAG_QSCALE;
    codec->global_quality = FF_QP2LAMBDA * settings.qscale;
  }
  if (format->oformat->flags & AVFMT_GLOBALHEADER) codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  Check(avcodec_open2(codec.get(), encoder, nullptr),
        "the encoder " + settings.encoder + " does not take these settings");
  Check(avcodec_parameters_from_context(stream->codecpar, codec.get()),
        "cannot describe the stream");
  stream->time_base = codec->time_base;
  stream->avg_frame_rate = codec->framerate;
  Check(avformat_write_header(format.get(), nullptr), "cannot write the header");

  // Same size, so this only converts; bit-exact for the same bytes everywhere.
  scaler.reset(sws_getContext(width, height, AV_PIX_FMT_BGR0, width, height, codec->pix_fmt,
                              SWS_BICUBIC | SWS_ACCURATE_RND | SWS_BITEXACT, nullptr, nullptr,
                              nullptr));
  frame.reset(av_frame_alloc());
  packet.reset(av_packet_alloc());
  if (!scaler || !frame || !packet) Fail("cannot set up the colour conversion", AVERROR(ENOMEM));
  frame->format = codec->pix_fmt;
  frame->width = width;
  frame->height = height;
  frame->color_range = codec->color_range;
  Check(av_frame_get_buffer(frame.get(), 0), "cannot allocate a frame");
}

// Feeds a frame (or the end, for nullptr) to the encoder and writes every
// packet it gives back.
void VideoFileWriter::State::Send(const AVFrame* input) {
  Check(avcodec_send_frame(codec.get(), input), "the encoder refused a frame");
  for (;;) {
    const int got = avcodec_receive_packet(codec.get(), packet.get());
    if (got == AVERROR(EAGAIN) || got == AVERROR_EOF) return;
    Check(got, "the encoder failed");
    av_packet_rescale_ts(packet.get(), codec->time_base, stream->time_base);
    packet->stream_index = stream->index;
    Check(av_interleaved_write_frame(format.get(), packet.get()), "cannot write a frame");
  }
}

VideoFileWriter::VideoFileWriter(std::string path, int width, int height, int framesPerSecond,
                                 const VideoCodec& codec) {
  QuietFfmpegLog();
  if (width <= 0 || height <= 0 || framesPerSecond <= 0)
    throw Error("Cannot write video file " + path +
                ": the frame size and the frame rate must be positive");
  state_ = std::make_unique<State>(std::move(path), width, height);
  state_->Open(codec, framesPerSecond);
}

VideoFileWriter::~VideoFileWriter() = default;
VideoFileWriter::VideoFileWriter(VideoFileWriter&&) noexcept = default;
VideoFileWriter& VideoFileWriter::operator=(VideoFileWriter&&) noexcept = default;

VideoFileWriter::State& VideoFileWriter::Writable() {
  if (!state_) throw Error("Cannot write a video: the writer was moved away");
  State& s = *state_;
  if (s.finished) throw Error("Cannot write video file " + s.path + ": it is already finished");
  if (s.failed) throw Error("Cannot write video file " + s.path + ": an earlier step failed");
  return s;
}

void VideoFileWriter::AddFrame(const Bitmap& bitmap) {
  State& s = Writable();
  if (bitmap.Width() != s.width || bitmap.Height() != s.height)
    throw Error("Cannot write video file " + s.path + ": a frame of " +
                std::to_string(bitmap.Width()) + " x " + std::to_string(bitmap.Height()) +
                " pixels in a video of " + std::to_string(s.width) + " x " +
                std::to_string(s.height));
  // The encoder may still hold the previous frame's buffer.
  s.Check(av_frame_make_writable(s.frame.get()), "cannot allocate a frame");
  const std::uint8_t* source[1] = {reinterpret_cast<const std::uint8_t*>(bitmap.Data())};
  const int sourceStride[1] = {bitmap.Stride()};
  const int rows = sws_scale(s.scaler.get(), source, sourceStride, 0, s.height, s.frame->data,
                             s.frame->linesize);
  if (rows != s.height) s.Fail("cannot convert a frame", rows < 0 ? rows : AVERROR(EINVAL));
  s.frame->pts = s.frames;
  // A fixed quantiser is taken from each frame.
  s.frame->quality = s.codec->global_quality;
  s.Send(s.frame.get());
  ++s.frames;
}

void VideoFileWriter::Finish() {
  State& s = Writable();
  s.Send(nullptr);
  s.Check(av_write_trailer(s.format.get()), "cannot write the index");
  avio_flush(s.io.get());
  s.Check(s.io->error, "cannot write the file");
  s.Check(s.file.ReplaceTarget(s.path), "cannot replace the file");
  s.finished = true;
}

int VideoFileWriter::FrameCount() const {
  return state_ ? state_->frames : 0;
}

}  // namespace quillo
