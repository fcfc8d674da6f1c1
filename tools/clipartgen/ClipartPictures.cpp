#include "ClipartPictures.h"

#include <QImage>
#include <filesystem>
#include <functional>
#include <string_view>

#include "DrawnFaces.h"
#include "GemImageWriter.h"
#include "MagickWriter.h"
#include "common/PhotoCrops.h"
#include "io/core/DataFiles.h"
#include "skin/BitmapImage.h"

namespace clipartgen {

namespace {

using quillo::PhotoCrop;

// A crop of a photograph at a side of `side` pixels.
QImage Photo(const std::string& assets, const PhotoCrop& crop, int side) {
  const QImage cut = quillo::ToImage(quillo::CutPhoto(assets, crop));
  return cut.width() == side
             ? cut
             : cut.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

struct Picture {
  std::string_view file;   // in the clip-art folder
  std::string_view coder;  // ImageMagick's, or empty for GEM IMG
  std::function<QImage(const std::string& assets)> colour;
  std::function<MonoPicture(const std::string& assets)> mono;
};

const Picture kPictures[] = {
    {"Astronaut.png",
     "PNG",
     [](const std::string& a) { return Photo(a, quillo::kAstronautPortrait, 256); },
     {}},
    {"Cat.jpg", "JPEG", [](const std::string& a) { return Photo(a, quillo::kCatFace, 300); }, {}},
    {"Clown.gif", "GIF", [](const std::string&) { return Clown(); }, {}},
    {"Cameraman.tga",
     "TGA",
     [](const std::string& a) { return Photo(a, quillo::kCameramanFace, 280); },
     {}},
    {"Redhead.tga", "TGA", [](const std::string&) { return Redhead(); }, {}},
    {"Coffee.pcx",
     "PCX",
     [](const std::string& a) { return Photo(a, quillo::kCoffeeCup, 300); },
     {}},
    {"Sunny.psd", "PSD", [](const std::string&) { return Sunny(); }, {}},
    {"Portrait.tif",
     "TIFF",
     [](const std::string& a) { return Photo(a, quillo::kAstronautFace, 260); },
     {}},
    {"Doodle.img", "", {}, [](const std::string&) { return Doodle(); }},
    {"Kitty.img",
     "",
     {},
     [](const std::string& a) { return Dithered(Photo(a, quillo::kCatFace, 300)); }},
};

}  // namespace

void WriteClipartPictures(const std::string& assets, const std::string& data) {
  for (const Picture& p : kPictures) {
    const std::string path = quillo::GeneratedFilePath(data, quillo::ClipartFile(p.file));
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (p.mono)
      WriteGemImage(path, p.mono(assets));
    else
      WriteWithMagick(path, p.colour(assets), std::string(p.coder));
  }
}

}  // namespace clipartgen
