// The art generator: paints Quillo's data folder pictures into <out>/Resource/.
// Usage: artgen <assets folder> <output folder>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <cstdio>
#include <exception>
#include <string>

#include "ArtFiles.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  // The photographs carry a colour profile that libpng complains about; their
  // pixels are read as they are.
  QLoggingCategory::setFilterRules("qt.gui.imageio*=false");
  if (argc != 3) {
    std::fprintf(stderr, "usage: artgen <assets folder> <output folder>\n");
    return 2;
  }
  try {
    art::WriteArtFiles(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "artgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
