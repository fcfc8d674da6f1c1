#pragma once
// The part of a picture a change altered: the smallest rectangle holding
// every pixel that differs between before and after, with both versions of
// it, so that an undo step keeps a stroke's few pixels, not the picture.
#include <optional>

#include "Bitmap.h"

namespace quillo {

class BitmapPatch {
 public:
  // Nothing when the pictures are the same; a picture whose size changed is
  // kept whole.
  static std::optional<BitmapPatch> Between(const Bitmap& before, const Bitmap& after);

  // Puts the before or after version back into a picture in the state of
  // the other one.
  void ApplyBefore(Bitmap& picture) const { Apply(picture, before_); }
  void ApplyAfter(Bitmap& picture) const { Apply(picture, after_); }
  std::size_t Bytes() const {
    return (static_cast<std::size_t>(before_.Width()) * before_.Height() +
            static_cast<std::size_t>(after_.Width()) * after_.Height()) *
           sizeof(Pixel);
  }

 private:
  void Apply(Bitmap& picture, const Bitmap& version) const;

  Rect rect_;
  bool whole_ = false;  // the size changed: the versions are whole pictures
  Bitmap before_, after_;
};

}  // namespace quillo
