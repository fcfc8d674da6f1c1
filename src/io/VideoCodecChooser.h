#pragma once
// Choosing how a video is compressed, as a platform service: the real one
// asks the user in the codec dialog (TCodecDialog); the unavailable one (no
// screen, or forced for tests) chooses nothing, so no video is made.
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "VideoCodecs.h"
#include "base/PlatformService.h"

class QWidget;

namespace quillo {

class VideoCodecChooser : public PlatformService {
 public:
  // The codec for a video of the container with frames of that size, or
  // nothing when the user cancelled.
  virtual std::optional<VideoCodec> ChooseCodec(VideoContainer container, int width, int height,
                                                QWidget* parent) = 0;

 protected:
  using PlatformService::PlatformService;
};

class QtVideoCodecChooser final : public VideoCodecChooser {
 public:
  // Shows the wait cursor while the encoders are probed (the first time
  // for an FFmpeg build).
  std::optional<VideoCodec> ChooseCodec(VideoContainer container, int width, int height,
                                        QWidget* parent) override;
};

class UnavailableVideoCodecChooser final : public VideoCodecChooser {
 public:
  explicit UnavailableVideoCodecChooser(std::string why) : VideoCodecChooser(std::move(why)) {}
  std::optional<VideoCodec> ChooseCodec(VideoContainer, int, int, QWidget*) override {
    return std::nullopt;
  }
};

// The codec dialog when there is a screen to show it on.
std::unique_ptr<VideoCodecChooser> LoadVideoCodecChooser(bool forceUnavailable);

}  // namespace quillo
