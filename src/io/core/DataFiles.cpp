#include "DataFiles.h"

#include <algorithm>
#include <cctype>

#include "Folders.h"
#include "base/Error.h"

namespace quillo {

namespace {

std::string Numbered(std::string_view stem, int n, int first, int last, std::string_view ext) {
  if (n < first || n > last)
    throw Error("There is no data file " + std::string(stem) + std::to_string(n) +
                std::string(ext));
  return std::string(stem) + std::to_string(n) + std::string(ext);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

}  // namespace

std::string ClickSound(int n) {
  return Numbered("resource\\click", n, 1, kClickSounds, ".wav");
}

std::string RandomSound(int n) {
  return Numbered("resource\\random", n, 1, kRandomSounds, ".wav");
}

std::string VideoFile(int n) {
  return Numbered("Resource\\video", n, 1, kVideos, ".avi");
}

std::string HelpText(int page) {
  return Numbered("Resource\\help", page, 0, kHelpPages - 1, ".txt");
}

std::string IconFile(int size) {
  if (std::find(kIconSizes.begin(), kIconSizes.end(), size) == kIconSizes.end())
    throw Error("There is no data file Resource\\icon" + std::to_string(size) + ".png");
  return "Resource\\icon" + std::to_string(size) + ".png";
}

std::string ClipartFile(std::string_view name) {
  return std::string(kClipartFolder) + "\\" + std::string(name);
}

std::string GeneratedFilePath(std::string_view outFolder, std::string_view name) {
  const auto split = name.find_first_of("\\/");
  const std::string_view folder = name.substr(0, split);
  std::string_view spelled;
  for (std::string_view known : {kResourceFolder, kClipartFolder})
    if (split != std::string_view::npos && SameIgnoringCase(folder, known)) spelled = known;
  if (spelled.empty()) throw Error("No data folder holds " + std::string(name));
  std::string rest(name.substr(split));
  std::replace(rest.begin(), rest.end(), '\\', '/');
  return WithTrailingSeparator(std::string(outFolder)) + std::string(spelled) + rest;
}

}  // namespace quillo
