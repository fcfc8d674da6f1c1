// clipartgen ASSETS DATA: writes the clip-art pictures into DATA's Clipart/
// folder, beside the clip-art morphs, made from the photographs in ASSETS
// and from faces drawn here. The same sources give the same bytes.
#include <QGuiApplication>
#include <QLoggingCategory>
#include <cstdio>
#include <exception>

#include "ClipartPictures.h"
#include "MagickWriter.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  // The photographs carry a colour profile that libpng complains about; their
  // pixels are read as they are.
  QLoggingCategory::setFilterRules("qt.gui.imageio*=false");
  if (argc != 3) {
    std::fprintf(stderr, "usage: clipartgen ASSETS DATA\n");
    return 2;
  }
  try {
    clipartgen::StartMagick(argv[0]);
    clipartgen::WriteClipartPictures(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "clipartgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
