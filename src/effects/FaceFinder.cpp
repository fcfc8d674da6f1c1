#include "FaceFinder.h"

#include <cstdlib>
#include <filesystem>

#include "base/Error.h"
#include "faces/FaceModule.h"

namespace quillo {

#ifdef QUILLO_FACE_MODULE_BUILT
namespace {

std::string CascadeFolder() {
  const char* forced = std::getenv("QUILLO_CASCADE_FOLDER");
  return forced && *forced ? forced : kCascadeFolder;
}

// The module and the cascades are read on the first picture, not at start-up.
class CascadeFaceFinder final : public FaceFinder {
 public:
  explicit CascadeFaceFinder(std::string folder) : folder_(std::move(folder)) {}

  std::optional<FaceBoxes> Find(const Bitmap& picture) override {
    if (!detector_) {
      try {
        detector_ = faces::Faces().openDetector(folder_);
      } catch (const Error& e) {
        throw Error(std::string(kNoFaceDetection) + ": " + e.what());
      }
    }
    return detector_->Find(picture);
  }

 private:
  std::string folder_;
  std::unique_ptr<faces::FaceDetecting> detector_;
};

}  // namespace
#endif

std::unique_ptr<FaceFinder> LoadFaceFinder(bool forceUnavailable) {
  if (forceUnavailable) return std::make_unique<UnavailableFaceFinder>(kServiceTurnedOff);
#ifdef QUILLO_FACE_MODULE_BUILT
  // The cascades come with opencv-data, which may be missing.
  std::string folder = CascadeFolder();
  std::error_code error;
  if (std::filesystem::exists(folder + "/haarcascades/haarcascade_frontalface_alt2.xml", error) &&
      std::filesystem::exists(folder + "/lbpcascades/lbpcascade_frontalcatface.xml", error))
    return std::make_unique<CascadeFaceFinder>(std::move(folder));
#endif
  return std::make_unique<UnavailableFaceFinder>(kNoFaceDetection);
}

}  // namespace quillo
