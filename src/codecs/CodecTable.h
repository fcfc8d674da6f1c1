#pragma once
// What the codec module (libquillo_codecs.so) offers the program: one table
// of functions over FFmpeg, ImageMagick and Ghostscript. The program loads the
// module on first use (CodecModule.h), so those libraries are mapped only
// when a video or such a picture is actually read or written.
//
// Both sides are built from the same sources by the same compiler, so the
// table passes C++ types, and errors cross it as quillo::Error. The version
// guards against a module of another build: to add a function, append a
// member at the end, fill it in module/Table.cpp and raise kCodecTableVersion.
#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "base/Bitmap.h"

namespace quillo::codecs {

inline constexpr int kCodecTableVersion = 4;

// The module's one exported symbol, extern "C" const void* quillo_codecs_table(),
// gives its table (every module's entry has that type: base/Module.h).
inline constexpr const char* kCodecTableEntry = "quillo_codecs_table";

// The kinds of video file the writer makes, each with the encoders its
// muxer carries: AVI (any of them), MP4 (H.264 and the like), WebM (VP8, VP9,
// AV1) and an animated GIF (one palette for all frames, looping forever).
enum class VideoContainer { kAvi, kMp4, kWebm, kGif };

// The container's name, which is also FFmpeg's name of its muxer.
constexpr const char* ContainerName(VideoContainer container) {
  switch (container) {
    case VideoContainer::kMp4:
      return "mp4";
    case VideoContainer::kWebm:
      return "webm";
    case VideoContainer::kGif:
      return "gif";
    case VideoContainer::kAvi:
      break;
  }
  return "avi";
}

// What the decoder found in a video file.
struct VideoFacts {
  int frames = 0;
  double framesPerSecond = 0;
  int width = 0;
  int height = 0;
};

// An FFmpeg video encoder.
struct VideoEncoderFacts {
  std::string name;         // as the writer takes it ("mjpeg")
  std::string description;  // FFmpeg's long name
};

// An opened video file (media/VideoDecoder.h tells what each call does).
class VideoReading {
 public:
  virtual ~VideoReading() = default;
  virtual VideoFacts Facts() const = 0;
  virtual const Bitmap& Frame(int index) = 0;
};

// A video file being written (io/VideoFileWriter.h tells what each call does).
class VideoWriting {
 public:
  virtual ~VideoWriting() = default;
  virtual void AddFrame(const Bitmap& frame) = 0;
  virtual void Finish() = 0;
  virtual int FrameCount() const = 0;
};

// A capture device opened through FFmpeg's device inputs (io/TVidcap.h).
class CaptureReading {
 public:
  virtual ~CaptureReading() = default;
  // Takes what the device has delivered without waiting for more; true when
  // a new frame is in Frame(). Throws quillo::Error when the device fails.
  virtual bool Poll() = 0;
  virtual const Bitmap& Frame() const = 0;
};

struct CodecTable {
  int version = kCodecTableVersion;

  // FFmpeg.
  std::unique_ptr<VideoReading> (*openVideo)(const std::string& path) = nullptr;
  // encoder is an FFmpeg encoder name; qscale 1 to 31, or 0 for the
  // encoder's own rate control.
  std::unique_ptr<VideoWriting> (*createVideo)(const std::string& path, VideoContainer container,
                                               int width, int height, int framesPerSecond,
                                               const std::string& encoder, int qscale) = nullptr;
  // The encoders the container's muxer carries that open at width x height
  // as the writer opens them, hardware and experimental ones left out, in
  // FFmpeg's order; and whether one named encoder is among them.
  std::vector<VideoEncoderFacts> (*videoEncoders)(VideoContainer container, int width,
                                                  int height) = nullptr;
  bool (*videoEncoderUsable)(VideoContainer container, const std::string& encoder, int width,
                             int height) = nullptr;

  // ImageMagick (io/MagickReader.h).
  bool (*magickCanRead)(const std::string& coder) = nullptr;
  Bitmap (*readWithMagick)(std::span<const std::uint8_t> bytes, const std::string& coder,
                           const std::string& name) = nullptr;

  // Ghostscript: the EPS bytes drawn at 72 dots per inch, cropped to their
  // bounding box, as a binary PPM file (io/EpsReader.h tells the rest).
  std::vector<std::uint8_t> (*drawEps)(std::span<const std::uint8_t> bytes, const std::string& name,
                                       std::chrono::milliseconds timeLimit) = nullptr;

  // FFmpeg's device inputs: format "video4linux2" or "lavfi", the device
  // or filter, and the input's options.
  std::unique_ptr<CaptureReading> (*openCapture)(
      const std::string& format, const std::string& url,
      const std::vector<std::pair<std::string, std::string>>& options) = nullptr;

  // The versions of the FFmpeg libraries the module runs with, as one line:
  // what decides which encoders there are.
  std::string (*ffmpegVersions)() = nullptr;
};

}  // namespace quillo::codecs
