#include "TLead.h"

#include <QImage>
#include <QPainter>

#include "Clipboard.h"
#include "PictureFile.h"
#include "base/Error.h"
#include "base/FileBytes.h"
#include "core/BmpCodec.h"
#include "skin/BitmapImage.h"

namespace quillo {

void TLead::Draw(QPainter& painter, const QRect& rect) const {
  if (Empty()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect, ToImage(picture_));
  painter.restore();
}

void TLead::SetWidth(int width) {
  Resize(width, Height());
}

void TLead::SetHeight(int height) {
  Resize(Width(), height);
}

void TLead::Resize(int width, int height) {
  if (!IsAcceptableSize(width, height)) throw Error("Picture size out of range");
  if (width == Width() && height == Height()) return;
  if (Empty() || width == 0 || height == 0) {
    picture_ = Bitmap(width, height, MakePixel(255, 255, 255));
    return;
  }
  picture_ = ToBitmap(
      ToImage(picture_).scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void TLead::Assign(const TLead* source) {
  picture_ = source ? source->picture_ : Bitmap();
}

void TLead::Assign(const Bitmap& bitmap) {
  picture_ = bitmap;
}

void TLead::LoadFromFile(const std::string& path) {
  picture_ = LoadPictureFile(path);
}

void TLead::SaveToFile(const std::string& path) const {
  if (Empty()) throw Error("There is no picture to save.");
  WriteFileAtomically(path, EncodeBmp(picture_, 24));
}

void TLead::LoadFromClipboard(const Clipboard& clipboard) {
  std::optional<Bitmap> picture = clipboard.Picture();
  if (!picture) throw Error("The clipboard holds no picture.");
  picture_ = std::move(*picture);
}

void TLead::SaveToClipboard(Clipboard& clipboard) const {
  if (Empty()) throw Error("There is no picture to copy.");
  clipboard.SetPicture(picture_);
}

int TLead::LoadAnyImage(Bitmap& bitmap, const std::string& path) {
  try {
    bitmap = LoadPictureFile(path);
    return kLoaded;
  } catch (const Error&) {
    return kLoadFailed;
  }
}

}  // namespace quillo
