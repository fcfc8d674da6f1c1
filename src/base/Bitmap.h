#pragma once
// The 32-bit bitmap every effect works on: rows top to bottom, pixel (x, y)
// with y = 0 at the top, rows packed without padding so that the pixel memory
// can be shown by the toolkit without copying.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Pixel.h"
#include "Rect.h"

namespace quillo {

// Limits for pictures built from outside data, checked before allocating.
constexpr int kMaxPictureSide = 30000;
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
// Fuzzing builds take smaller pictures, so that a few bytes declaring a huge
// one cost milliseconds rather than seconds; the checks are the same.
constexpr std::int64_t kMaxPicturePixels = 1024LL * 1024;
#else
constexpr std::int64_t kMaxPicturePixels = 64LL * 1024 * 1024;
#endif

// True when a picture of this size may be allocated.
bool IsAcceptableSize(std::int64_t width, std::int64_t height);

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Pixel fill = 0);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  int Stride() const { return width_ * 4; }

  // Resizes, keeping nothing of the old content; new pixels get the fill.
  void SetSize(int width, int height, Pixel fill = 0);

  Pixel* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const Pixel* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  Pixel& At(int x, int y) { return Row(y)[x]; }
  Pixel At(int x, int y) const { return Row(y)[x]; }
  Pixel* Data() { return pixels_.data(); }
  const Pixel* Data() const { return pixels_.data(); }

  void Fill(Pixel p);
  // Fills the part of the rectangle that lies inside the bitmap.
  void FillRect(Rect r, Pixel p);
  // Copies the source's pixels with their top-left corner at (left, top), clipped.
  void Draw(int left, int top, const Bitmap& source);
  // The sub-picture of the rectangle, clipped to the bitmap.
  Bitmap Copy(Rect r) const;

  bool operator==(const Bitmap&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

}  // namespace quillo
