#include "ArtFiles.h"

#include <filesystem>

#include "Background.h"
#include "HomePicture.h"
#include "ImageBridge.h"
#include "MainArt.h"
#include "Photos.h"
#include "SkinSheet.h"
#include "base/FileBytes.h"
#include "io/core/BmpCodec.h"

namespace art {

namespace {

void WriteBmp(const std::filesystem::path& path, const quillo::Bitmap& bitmap) {
  quillo::WriteFileAtomically(path.string(), quillo::EncodeBmp(bitmap, 24));
}

}  // namespace

void WriteArtFiles(const std::string& assetsFolder, const std::string& outFolder) {
  // The photographs first: a missing one stops the run before anything is written.
  const Photos photos = LoadPhotos(assetsFolder);
  const std::filesystem::path resource = std::filesystem::path(outFolder) / "Resource";
  std::filesystem::create_directories(resource);
  const QImage ground = PaintGround();
  WriteBmp(resource / "main.bmp", ToBitmap(PaintMainArt(ground)));
  WriteBmp(resource / "resource.bmp", PaintSkinSheet(ground));
  WriteBmp(resource / "quillo.bmp", ToBitmap(PaintHomePicture(ground, photos.astronaut)));
  WriteBmp(resource / "default.bmp", DefaultFace(photos));
  WriteBmp(resource / "white.bmp", BlendFace(photos.astronaut));
  WriteBmp(resource / "black.bmp", BlendFace(photos.cat));
}

}  // namespace art
