// The encoding itself lives in the codec module, loaded on the first video
// written.
#include "VideoFileWriter.h"

#include "base/Error.h"
#include "codecs/CodecModule.h"

namespace quillo {

struct VideoFileWriter::State {
  std::unique_ptr<codecs::VideoWriting> video;
};

VideoFileWriter::VideoFileWriter(std::string path, int width, int height, int framesPerSecond,
                                 const VideoCodec& codec)
    : state_(std::make_unique<State>(State{codecs::Codecs().createVideo(
          path, width, height, framesPerSecond, codec.encoder, codec.qscale)})) {}

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
