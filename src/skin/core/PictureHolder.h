#pragma once
// A hidden picture holder, such as the main window's skin sheet `Resource`:
// it holds one picture and announces every change of it to the registry of
// cell descriptors, which tells the controls drawn from it.
#include <string>

#include "base/Bitmap.h"

namespace quillo {

class PictureHolder {
 public:
  explicit PictureHolder(std::string name = {}) : name_(std::move(name)) {}
  PictureHolder(const PictureHolder&) = delete;
  PictureHolder& operator=(const PictureHolder&) = delete;

  const std::string& Name() const { return name_; }
  bool HasPicture() const { return !picture_.Empty(); }
  const Bitmap& Picture() const { return picture_; }
  // The depth of the picture as it was stored: 32-bit sheets carry an alpha
  // byte that the controls blend with.
  int BitsPerPixel() const { return bitsPerPixel_; }

  // Replaces the picture and announces the change.
  void SetPicture(Bitmap picture, int bitsPerPixel = 24);
  void Clear() { SetPicture({}, 0); }

 private:
  std::string name_;
  Bitmap picture_;
  int bitsPerPixel_ = 0;
};

}  // namespace quillo
