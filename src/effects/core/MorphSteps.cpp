#include "MorphSteps.h"

#include <utility>

namespace quillo {

namespace {

constexpr std::array<MorphPicture, 2> kFaces = {MorphPicture::One, MorphPicture::Two};

// One version of the morph as a step keeps it.
struct MorphVersion {
  std::vector<MorphLine> lines;
  std::array<BmpExtraHeader, 2> headers{};
  int position = 0;
};

class MorphStep final : public UndoStep {
 public:
  MorphStep(MorphModel& model, ApplyMorph apply, MorphVersion before, MorphVersion after,
            std::array<std::optional<BitmapPatch>, 2> faces)
      : model_(model),
        apply_(std::move(apply)),
        before_(std::move(before)),
        after_(std::move(after)),
        faces_(std::move(faces)) {}

  void Undo() override { Put(before_, false); }
  void Redo() override { Put(after_, true); }
  std::size_t Bytes() const override {
    std::size_t bytes =
        sizeof(*this) + (before_.lines.size() + after_.lines.size()) * sizeof(MorphLine);
    for (const auto& f : faces_)
      if (f) bytes += f->Bytes();
    return bytes;
  }

 private:
  void Put(const MorphVersion& version, bool after) {
    bool facesChanged = false;
    for (std::size_t i = 0; i < kFaces.size(); ++i) {
      const BmpExtraHeader& header = version.headers[i];
      const bool headerChanged = before_.headers[i] != after_.headers[i];
      if (!faces_[i] && !headerChanged) continue;
      Bitmap face = model_.Face(kFaces[i]);
      if (faces_[i]) after ? faces_[i]->ApplyAfter(face) : faces_[i]->ApplyBefore(face);
      model_.SetFace(kFaces[i], std::move(face), header);
      facesChanged = facesChanged || faces_[i].has_value();
    }
    model_.SetLines(version.lines);
    apply_(version.position, facesChanged || before_.position != after_.position);
  }

  MorphModel& model_;
  ApplyMorph apply_;
  MorphVersion before_, after_;
  std::array<std::optional<BitmapPatch>, 2> faces_;
};

}  // namespace

std::vector<MorphLine> LinesOf(const MorphModel& model) {
  return {model.Lines().begin(), model.Lines().begin() + model.LineCount()};
}

void MorphRecorder::Begin(const MorphModel& model, int position) {
  recording_ = true;
  position_ = position;
  lines_ = LinesOf(model);
  for (std::size_t i = 0; i < kFaces.size(); ++i) faces_[i] = model.Face(kFaces[i]);
  headers_ = {model.ExtraHeader1(), model.ExtraHeader2()};
}

std::unique_ptr<UndoStep> MorphRecorder::End(MorphModel& model, int position, ApplyMorph apply) {
  if (!recording_) return nullptr;
  recording_ = false;
  MorphVersion before{std::move(lines_), headers_, position_};
  MorphVersion after{LinesOf(model), {model.ExtraHeader1(), model.ExtraHeader2()}, position};
  std::array<std::optional<BitmapPatch>, 2> faces;
  for (std::size_t i = 0; i < kFaces.size(); ++i) {
    faces[i] = BitmapPatch::Between(faces_[i], model.Face(kFaces[i]));
    faces_[i] = Bitmap();
  }
  lines_.clear();
  if (!faces[0] && !faces[1] && before.lines == after.lines && before.headers == after.headers &&
      before.position == after.position)
    return nullptr;
  return std::make_unique<MorphStep>(model, std::move(apply), std::move(before), std::move(after),
                                     std::move(faces));
}

}  // namespace quillo
