#pragma once
// The image codec adapter: one picture that can be loaded from any registered
// picture format, saved as a 24-bit BMP file, drawn stretched, resized, and
// exchanged with the clipboard service. Every load decodes into a new bitmap
// first, so a failure leaves the picture it would have replaced as it was.
//
// Only tests use it: the windows read picture files through PictureFile.h
// and the clipboard through the Clipboard service, which this class uses as
// they do. It keeps the adapter's interface, tested, for the code to come.
#include <string>

#include "base/Bitmap.h"

class QPainter;
class QRect;

namespace quillo {

class Clipboard;

class TLead {
 public:
  // LoadAnyImage's answers.
  static constexpr int kLoaded = 0;
  static constexpr int kLoadFailed = -1;

  TLead() = default;

  int Width() const { return picture_.Width(); }
  int Height() const { return picture_.Height(); }
  bool Empty() const { return picture_.Empty(); }
  const Bitmap& Picture() const { return picture_; }

  // Draws the picture stretched into the rectangle, smoothly.
  void Draw(QPainter& painter, const QRect& rect) const;

  // Stretch the picture to the new width (height), keeping the other side.
  // Throws quillo::Error for a size beyond the picture limits.
  void SetWidth(int width);
  void SetHeight(int height);

  // Copies another adapter's picture (none for nullptr) or a bitmap's pixels.
  void Assign(const TLead* source);
  void Assign(const Bitmap& bitmap);

  // Reads a file of any registered format; throws quillo::Error naming it.
  void LoadFromFile(const std::string& path);
  // Writes a 24-bit BMP file, replacing an existing one only when complete.
  void SaveToFile(const std::string& path) const;

  // The clipboard's picture; throws when it holds none.
  void LoadFromClipboard(const Clipboard& clipboard);
  // Puts the picture on the clipboard; throws when there is none.
  void SaveToClipboard(Clipboard& clipboard) const;

  // Reads a file straight into the bitmap: kLoaded, or kLoadFailed with the
  // bitmap untouched.
  static int LoadAnyImage(Bitmap& bitmap, const std::string& path);

 private:
  void Resize(int width, int height);

  Bitmap picture_;
};

}  // namespace quillo
