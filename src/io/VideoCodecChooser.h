#pragma once
// Choosing how a video is compressed, as a platform service: the real one
// asks the user in the codec dialog (TCodecDialog); the unavailable one (no
// screen, or forced for tests) chooses nothing, so no video is made.
#include <map>
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
  // The codec for frames of that size, or nothing when the user cancelled.
  virtual std::optional<VideoCodec> ChooseCodec(int width, int height, QWidget* parent) = 0;

 protected:
  using PlatformService::PlatformService;
};

class QtVideoCodecChooser final : public VideoCodecChooser {
 public:
  std::optional<VideoCodec> ChooseCodec(int width, int height, QWidget* parent) override;

 private:
  std::map<std::pair<int, int>, std::vector<VideoCodecInfo>> usable_;  // by frame size
};

class UnavailableVideoCodecChooser final : public VideoCodecChooser {
 public:
  explicit UnavailableVideoCodecChooser(std::string why) : VideoCodecChooser(std::move(why)) {}
  std::optional<VideoCodec> ChooseCodec(int, int, QWidget*) override { return std::nullopt; }
};

// The codec dialog when there is a screen to show it on.
std::unique_ptr<VideoCodecChooser> LoadVideoCodecChooser(bool forceUnavailable);

}  // namespace quillo
