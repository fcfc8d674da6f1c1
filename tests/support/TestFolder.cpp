#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cctype>
#include <string_view>

#include "effects/core/MorphFile.h"
#include "io/core/BitmapFile.h"
#include "io/core/DataFiles.h"

namespace quillo::testing {

namespace {

std::string_view FilePart(std::string_view name) {
  const auto separator = name.find_last_of("\\/");
  return separator == std::string_view::npos ? name : name.substr(separator + 1);
}

char Upper(char c) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return Lower(x) == Lower(y); });
}

// The file part of a data file's name as a user's copy might spell it, by
// turns: as the program spells it, capitalised, or capitalised with the
// extension in capitals.
std::string MixedCase(std::string_view name, int turn) {
  std::string file(FilePart(name));
  if (turn % 3 >= 1) file[0] = Upper(file[0]);
  if (turn % 3 == 2)
    std::transform(file.begin() + file.rfind('.'), file.end(), file.begin() + file.rfind('.'),
                   Upper);
  return file;
}

}  // namespace

Bitmap TestFace(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.At(x, y) = MakePixel(x * 7, y * 5, (x ^ y) * 3);
  return b;
}

DataFolder::DataFolder(const std::set<std::string>& omit) : defaultFace_(TestFace(200, 150)) {
  // The folder in lower case, unlike the program's names.
  std::string resource(kResourceFolder);
  std::transform(resource.begin(), resource.end(), resource.begin(), Lower);
  QDir(dir_.path()).mkdir(QString::fromStdString(resource));
  const std::string folder = dir_.path().toStdString() + "/" + resource + "/";
  auto omitted = [&omit](std::string_view name) {
    return std::any_of(omit.begin(), omit.end(), [name](const std::string& o) {
      return SameIgnoringCase(FilePart(o), FilePart(name));
    });
  };
  const struct {
    std::string_view name;
    Bitmap picture;
  } files[] = {
      {kMainBitmapFile, Bitmap(640, 480, MakePixel(0, 64, 128))},
      {kSkinSheetFile, Bitmap(698, 999, MakePixel(0, 255, 255))},
      {kStartPictureFile, Bitmap(358, 317, MakePixel(255, 200, 0))},
      {kDefaultFaceFile, defaultFace_},
      {kWhiteFaceFile, TestFace(290, 290)},
      {kBlackFaceFile, Bitmap(290, 290, 0)},
  };
  int turn = 0;
  for (const auto& f : files) {
    if (!omitted(f.name)) SaveBitmapFile(folder + MixedCase(f.name, turn), f.picture, 24);
    ++turn;
  }
  if (!omitted(kStartMorphFile))
    WriteMorphFile(folder + MixedCase(kStartMorphFile, turn), MorphModel{});
  // The texts, each one line that names it: "Help page <n>", "About Quillo".
  for (int page = 0; page <= kHelpPages; ++page) {
    const std::string name = page < kHelpPages ? HelpText(page) : std::string(kAboutText);
    ++turn;
    if (omitted(name)) continue;
    QFile text(QString::fromStdString(folder + MixedCase(name, turn)));
    if (text.open(QIODevice::WriteOnly))
      text.write(page < kHelpPages ? "Help page " + QByteArray::number(page) + "\n"
                                   : QByteArray("About Quillo\n"));
  }
}

std::string DataFolder::Path() const {
  return dir_.path().toStdString() + "/";
}

}  // namespace quillo::testing
