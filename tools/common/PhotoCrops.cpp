#include "PhotoCrops.h"

#include <QImage>

#include "base/Error.h"
#include "skin/BitmapImage.h"

namespace quillo {

Bitmap LoadPhoto(const std::string& path) {
  QImage image;
  if (!image.load(QString::fromStdString(path))) throw Error("Cannot read photograph " + path);
  return ToBitmap(image);
}

Bitmap CutPhoto(const std::string& assetsFolder, const PhotoCrop& crop) {
  return LoadPhoto(assetsFolder + "/" + std::string(crop.photo)).Copy(crop.part);
}

}  // namespace quillo
