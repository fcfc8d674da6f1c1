#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <map>

#include "base/Error.h"

namespace art {

namespace {

const char* FileOf(Face face) {
  switch (face) {
    case Face::SansBold:
      return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    case Face::SansCondensedBold:
      return "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";
    case Face::SerifBoldItalic:
      return "/usr/share/fonts/truetype/dejavu/DejaVuSerif-BoldItalic.ttf";
  }
  return "";
}

// Registers each font file once and remembers the family it provides.
QString FamilyOf(Face face) {
  static std::map<Face, QString> families;
  auto found = families.find(face);
  if (found != families.end()) return found->second;
  const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(FileOf(face)));
  const QStringList names = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
  if (names.isEmpty()) throw quillo::Error(std::string("Cannot load font ") + FileOf(face));
  return families[face] = names.front();
}

}  // namespace

QFont ArtFont(Face face, double pixelSize) {
  QFont font(FamilyOf(face));
  font.setPixelSize(static_cast<int>(pixelSize));
  font.setBold(true);
  font.setItalic(face == Face::SerifBoldItalic);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  font.setKerning(true);
  return font;
}

}  // namespace art
