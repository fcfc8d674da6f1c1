// The encoding itself lives in the codec module, loaded on the first video
// written.
#include "VideoFileWriter.h"

#include "VideoCodecs.h"
#include "base/Error.h"
#include "codecs/CodecModule.h"
#include "core/PictureFormats.h"

namespace quillo {

VideoContainer VideoContainerOf(const std::string& path) {
  const std::string extension = LowerExtensionOf(path);
  for (const VideoContainer c : {VideoContainer::kMp4, VideoContainer::kWebm, VideoContainer::kGif})
    if (extension == codecs::ContainerName(c)) return c;
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
