#include "ArtFiles.h"

#include <QBuffer>
#include <filesystem>
#include <span>
#include <string_view>

#include "AppIcon.h"
#include "Background.h"
#include "HomePicture.h"
#include "MainArt.h"
#include "Photos.h"
#include "SkinSheet.h"
#include "base/Error.h"
#include "base/FileBytes.h"
#include "io/core/BmpCodec.h"
#include "io/core/DataFiles.h"
#include "skin/BitmapImage.h"

namespace art {

void WriteArtFiles(const std::string& assetsFolder, const std::string& outFolder) {
  // The photographs first: a missing one stops the run before anything is written.
  const Photos photos = LoadPhotos(assetsFolder);
  auto write = [&outFolder](std::string_view name, const quillo::Bitmap& bitmap) {
    const std::string path = quillo::GeneratedFilePath(outFolder, name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    quillo::WriteFileAtomically(path, quillo::EncodeBmp(bitmap, 24));
  };
  const QImage ground = PaintGround();
  write(quillo::kMainBitmapFile, quillo::ToBitmap(PaintMainArt(ground)));
  write(quillo::kSkinSheetFile, PaintSkinSheet(ground));
  write(quillo::kStartPictureFile, quillo::ToBitmap(PaintHomePicture(ground, photos.astronaut)));
  write(quillo::kDefaultFaceFile, DefaultFace(photos));
  write(quillo::kWhiteFaceFile, BlendFace(photos.astronaut));
  write(quillo::kBlackFaceFile, BlendFace(photos.cat));
  for (int size : quillo::kIconSizes) {
    // PNG, for its transparency.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!PaintAppIcon(size).save(&buffer, "PNG"))
      throw quillo::Error("Cannot encode the " + std::to_string(size) + " pixel icon as PNG");
    const std::string path = quillo::GeneratedFilePath(outFolder, quillo::IconFile(size));
    quillo::WriteFileAtomically(path,
                                std::span(reinterpret_cast<const std::uint8_t*>(png.constData()),
                                          static_cast<std::size_t>(png.size())));
  }
}

}  // namespace art
