// The decoding itself lives in the codec module, loaded on the first video.
#include "media/VideoDecoder.h"

#include "codecs/CodecModule.h"

namespace quillo {

struct VideoDecoder::Streams {
  std::unique_ptr<codecs::VideoReading> video;
  MediaInfo info;
};

VideoDecoder::VideoDecoder(const std::string& path)
    : streams_(std::make_unique<Streams>(Streams{codecs::Codecs().openVideo(path), {}})) {
  const codecs::VideoFacts facts = streams_->video->Facts();
  streams_->info = {facts.frames, facts.framesPerSecond, facts.width, facts.height};
}

VideoDecoder::~VideoDecoder() = default;

const MediaInfo& VideoDecoder::Info() const {
  return streams_->info;
}

const Bitmap& VideoDecoder::Frame(int index) {
  return streams_->video->Frame(index);
}

}  // namespace quillo
