#include "BlendSteps.h"

#include <utility>

namespace quillo {

namespace {

constexpr std::array<BlendPicture, 3> kPictures = {BlendPicture::Left, BlendPicture::Right,
                                                   BlendPicture::Blend};

class BlendStep final : public UndoStep {
 public:
  BlendStep(BlendModel& model, ApplyBlendBase apply, int baseBefore, int baseAfter,
            std::array<std::optional<BitmapPatch>, 3> patches)
      : model_(model),
        apply_(std::move(apply)),
        baseBefore_(baseBefore),
        baseAfter_(baseAfter),
        patches_(std::move(patches)) {}

  void Undo() override { Put(false, baseBefore_); }
  void Redo() override { Put(true, baseAfter_); }
  std::size_t Bytes() const override {
    std::size_t bytes = sizeof(*this);
    for (const auto& p : patches_)
      if (p) bytes += p->Bytes();
    return bytes;
  }

 private:
  void Put(bool after, int base) {
    for (std::size_t i = 0; i < kPictures.size(); ++i)
      if (patches_[i]) model_.ApplyPatch(kPictures[i], *patches_[i], after);
    apply_(base);
  }

  BlendModel& model_;
  ApplyBlendBase apply_;
  int baseBefore_, baseAfter_;
  std::array<std::optional<BitmapPatch>, 3> patches_;
};

}  // namespace

void BlendRecorder::Begin(const BlendModel& model, int baseFace) {
  recording_ = true;
  baseFace_ = baseFace;
  for (std::size_t i = 0; i < kPictures.size(); ++i) pictures_[i] = model.Picture(kPictures[i]);
}

std::unique_ptr<UndoStep> BlendRecorder::End(BlendModel& model, int baseFace,
                                             ApplyBlendBase apply) {
  if (!recording_) return nullptr;
  recording_ = false;
  std::array<std::optional<BitmapPatch>, 3> patches;
  bool changed = baseFace != baseFace_;
  for (std::size_t i = 0; i < kPictures.size(); ++i) {
    patches[i] = BitmapPatch::Between(pictures_[i], std::as_const(model).Picture(kPictures[i]));
    changed = changed || patches[i].has_value();
    pictures_[i] = Bitmap();
  }
  if (!changed) return nullptr;
  return std::make_unique<BlendStep>(model, std::move(apply), baseFace_, baseFace,
                                     std::move(patches));
}

}  // namespace quillo
