// The encoding itself lives in the codec module, loaded on the first video
// written.
#include "VideoFileWriter.h"

#include <algorithm>
#include <cctype>

#include "VideoCodecs.h"
#include "base/Error.h"
#include "codecs/CodecModule.h"

namespace quillo {

VideoContainer VideoContainerOf(const std::string& path) {
  std::string name = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const auto ends = [&name](const char* extension) { return name.ends_with(extension); };
  if (ends(".mp4")) return VideoContainer::kMp4;
  if (ends(".webm")) return VideoContainer::kWebm;
  if (ends(".gif")) return VideoContainer::kGif;
  return VideoContainer::kAvi;
}

std::string DefaultEncoder(VideoContainer container) {
  switch (container) {
    case VideoContainer::kMp4:
      return "libx264";
    case VideoContainer::kWebm:
      return "libvpx-vp9";
    case VideoContainer::kGif:
      return "gif";
    case VideoContainer::kAvi:
      break;
  }
  return "mjpeg";
}

namespace {

std::unique_ptr<codecs::VideoWriting> CreateVideo(const std::string& path, int width, int height,
                                                  int framesPerSecond, const VideoCodec& codec) {
  const VideoContainer container = VideoContainerOf(path);
  const std::string encoder = codec.encoder.empty() ? DefaultEncoder(container) : codec.encoder;
  return codecs::Codecs().createVideo(path, container, width, height, framesPerSecond, encoder,
                                      TakesQuantiser(encoder) ? codec.qscale : 0);
}

}  // namespace

struct VideoFileWriter::State {
  std::unique_ptr<codecs::VideoWriting> video;
};

VideoFileWriter::VideoFileWriter(std::string path, int width, int height, int framesPerSecond,
                                 const VideoCodec& codec)
    : state_(std::make_unique<State>(
          State{CreateVideo(path, width, height, framesPerSecond, codec)})) {}

VideoFileWriter::~VideoFileWriter() = default;
VideoFileWriter::VideoFileWriter(VideoFileWriter&&) noexcept = default;
VideoFileWriter& VideoFileWriter::operator=(VideoFileWriter&&) noexcept = default;

VideoFileWriter::State& VideoFileWriter::Writable() {
  if (!state_) throw Error("Cannot write a video: the writer was moved away");
  return *state_;
}

void VideoFileWriter::AddFrame(const Bitmap& frame) {
  Writable().video->AddFrame(frame);
}

void VideoFileWriter::Finish() {
  Writable().video->Finish();
}

int VideoFileWriter::FrameCount() const {
  return state_ ? state_->video->FrameCount() : 0;
}

}  // namespace quillo
