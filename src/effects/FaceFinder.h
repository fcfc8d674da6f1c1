#pragma once
// The face detector of the automatic lines as a platform service. The real
// one loads the face module (faces/FaceModule.h) and its cascades on first
// use; the unavailable one (no module built, no cascades installed, or forced
// for tests) finds nothing and says why.
#include <memory>
#include <optional>
#include <string>

#include "base/Bitmap.h"
#include "base/PlatformService.h"
#include "effects/core/FaceBoxes.h"

namespace quillo {

// Why automatic lines cannot be placed on this machine.
inline constexpr const char* kNoFaceDetection = "automatic lines need OpenCV's face detection";

// Where Debian's opencv-data puts the cascades (in haarcascades/ and
// lbpcascades/); QUILLO_CASCADE_FOLDER overrides it.
inline constexpr const char* kCascadeFolder = "/usr/share/opencv4";

class FaceFinder : public PlatformService {
 public:
  // The largest face in the picture, with its eye and mouth candidates, in
  // the picture's pixels; nothing when it holds no face. Throws quillo::Error
  // when the detector cannot run.
  virtual std::optional<FaceBoxes> Find(const Bitmap& picture) = 0;

 protected:
  using PlatformService::PlatformService;
};

class UnavailableFaceFinder final : public FaceFinder {
 public:
  explicit UnavailableFaceFinder(std::string why) : FaceFinder(std::move(why)) {}
  std::optional<FaceBoxes> Find(const Bitmap&) override { return std::nullopt; }
};

// The cascade detector when the module was built and the cascades are
// installed; otherwise the unavailable one, with kNoFaceDetection.
std::unique_ptr<FaceFinder> LoadFaceFinder(bool forceUnavailable);

}  // namespace quillo
