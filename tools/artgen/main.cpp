// The art generator: paints Quillo's data folder pictures into <out>/Resource/.
// Usage: artgen <assets folder> <output folder>
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <string>

#include "ArtFiles.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
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
