#include "WarpSteps.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace quillo {

namespace {

bool Same(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// The rectangle's elements of a field, row by row.
std::vector<double> Cut(const std::vector<double>& field, Rect r) {
  std::vector<double> part;
  part.reserve(static_cast<std::size_t>(r.Width()) * static_cast<std::size_t>(r.Height()));
  for (int y = r.top; y < r.bottom; ++y) {
    const auto row = field.begin() + static_cast<std::ptrdiff_t>(y) * kFaceSize;
    part.insert(part.end(), row + r.left, row + r.right);
  }
  return part;
}

// A face with the photo it was made from.
struct FaceVersion {
  Bitmap face;
  std::shared_ptr<const Bitmap> photo;
};

class MirrorWindowStep final : public UndoStep {
 public:
  MirrorWindowStep(WarpModel& model, ApplyMirrorSettings apply, MirrorSettings before,
                   MirrorSettings after, std::optional<FieldPatch> field,
                   std::optional<std::pair<FaceVersion, FaceVersion>> faces)
      : model_(model),
        apply_(std::move(apply)),
        before_(before),
        after_(after),
        field_(std::move(field)),
        faces_(std::move(faces)) {}

  void Undo() override {
    if (faces_) model_.ReplaceFace(faces_->first.face, faces_->first.photo);
    if (field_) field_->ApplyBefore(model_);
    apply_(before_);
  }
  void Redo() override {
    if (faces_) model_.ReplaceFace(faces_->second.face, faces_->second.photo);
    if (field_) field_->ApplyAfter(model_);
    apply_(after_);
  }
  std::size_t Bytes() const override {
    std::size_t bytes = sizeof(*this) + (field_ ? field_->Bytes() : 0);
    if (faces_) {
      bytes += 2 * static_cast<std::size_t>(kFaceSize) * kFaceSize * sizeof(Pixel);
      // The photo replaced lives on only in the step.
      if (const auto& photo = faces_->first.photo)
        bytes += static_cast<std::size_t>(photo->Width()) * photo->Height() * sizeof(Pixel);
    }
    return bytes;
  }

 private:
  WarpModel& model_;
  ApplyMirrorSettings apply_;
  MirrorSettings before_, after_;
  std::optional<FieldPatch> field_;
  std::optional<std::pair<FaceVersion, FaceVersion>> faces_;  // before, after
};

}  // namespace

std::optional<FieldPatch> FieldPatch::Between(const std::vector<double>& beforeX,
                                              const std::vector<double>& beforeY,
                                              const std::vector<double>& afterX,
                                              const std::vector<double>& afterY) {
  Rect r{kFaceSize, kFaceSize, 0, 0};
  for (int y = 0; y < kFaceSize; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * kFaceSize;
    // Rows compare as bytes first: most rows of a stroke are untouched.
    if (std::memcmp(&beforeX[row], &afterX[row], kFaceSize * sizeof(double)) == 0 &&
        std::memcmp(&beforeY[row], &afterY[row], kFaceSize * sizeof(double)) == 0)
      continue;
    for (int x = 0; x < kFaceSize; ++x)
      if (!Same(beforeX[row + x], afterX[row + x]) || !Same(beforeY[row + x], afterY[row + x])) {
        r.left = std::min(r.left, x);
        r.right = std::max(r.right, x + 1);
        r.top = std::min(r.top, y);
        r.bottom = std::max(r.bottom, y + 1);
      }
  }
  if (r.left >= r.right) return std::nullopt;
  FieldPatch patch;
  patch.rect_ = r;
  patch.beforeX_ = Cut(beforeX, r);
  patch.beforeY_ = Cut(beforeY, r);
  patch.afterX_ = Cut(afterX, r);
  patch.afterY_ = Cut(afterY, r);
  return patch;
}

void MirrorWindowRecorder::Begin(const WarpModel& model, const MirrorSettings& settings,
                                 bool withFace) {
  recording_ = true;
  withFace_ = withFace;
  before_ = settings;
  shiftX_ = model.ShiftX();
  shiftY_ = model.ShiftY();
  face_ = withFace ? model.FaceBitmap() : Bitmap();
  photo_ = withFace ? model.Photo() : nullptr;
}

std::unique_ptr<UndoStep> MirrorWindowRecorder::End(WarpModel& model,
                                                    const MirrorSettings& settings,
                                                    ApplyMirrorSettings apply) {
  if (!recording_) return nullptr;
  recording_ = false;
  std::optional<FieldPatch> field =
      FieldPatch::Between(shiftX_, shiftY_, model.ShiftX(), model.ShiftY());
  std::optional<std::pair<FaceVersion, FaceVersion>> faces;
  if (withFace_)
    faces.emplace(FaceVersion{std::move(face_), std::move(photo_)},
                  FaceVersion{model.FaceBitmap(), model.Photo()});
  face_ = Bitmap();
  photo_ = nullptr;
  changedFaceOrField_ = field || faces;
  if (!field && !faces && settings == before_) return nullptr;
  return std::make_unique<MirrorWindowStep>(model, std::move(apply), before_, settings,
                                            std::move(field), std::move(faces));
}

}  // namespace quillo
