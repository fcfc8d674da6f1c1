#include "TestFolder.h"

#include <QDir>

#include "effects/core/MorphFile.h"
#include "io/core/BitmapFile.h"

namespace quillo::testing {

Bitmap TestFace(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.At(x, y) = MakePixel(x * 7, y * 5, (x ^ y) * 3);
  return b;
}

DataFolder::DataFolder(const std::set<std::string>& omit) : defaultFace_(TestFace(200, 150)) {
  QDir(dir_.path()).mkdir("resource");
  const std::string folder = dir_.path().toStdString() + "/resource/";
  const struct {
    const char* name;
    Bitmap picture;
  } files[] = {
      {"main.bmp", Bitmap(640, 480, MakePixel(0, 64, 128))},
      {"Resource.BMP", Bitmap(698, 999, MakePixel(0, 255, 255))},
      {"Quillo.bmp", Bitmap(358, 317, MakePixel(255, 200, 0))},
      {"default.bmp", defaultFace_},
      {"white.bmp", TestFace(290, 290)},
      {"black.bmp", Bitmap(290, 290, 0)},
  };
  for (const auto& f : files)
    if (!omit.count(f.name)) SaveBitmapFile(folder + f.name, f.picture, 24);
  if (!omit.count("morph.mph")) WriteMorphFile(folder + "Morph.mph", MorphModel{});
}

std::string DataFolder::Path() const {
  return dir_.path().toStdString() + "/";
}

}  // namespace quillo::testing
