// The data folder the build writes, against the names the program looks up:
// every file it loads at start is found as the program spells it, and each
// data folder exists once, whatever the letter case of the names.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>
#include <string_view>

#include "io/core/DataFiles.h"
#include "io/core/Folders.h"

namespace quillo {
namespace {

const std::string kBuild = std::string(QUILLO_BUILD_DIR) + "/";

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

TEST(BuildDataFolder, HoldsEveryFileTheProgramLoadsAtStart) {
  for (std::string_view name :
       {kMainBitmapFile, kSkinSheetFile, kStartPictureFile, kDefaultFaceFile, kWhiteFaceFile,
        kBlackFaceFile, kStartMorphFile}) {
    const std::filesystem::path path = ResolveIn(kBuild, name);
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << name << ": no file " << path;
    EXPECT_GT(std::filesystem::file_size(path), 0u) << name;
  }
}

// Names spelled "Resource\..." and "resource\..." must land in one folder: of
// two folders differing in letter case the program would search only one.
TEST(BuildDataFolder, HasEachDataFolderOnce) {
  for (std::string_view folder : {kResourceFolder, kClipartFolder}) {
    int found = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kBuild))
      found += entry.is_directory() && Lower(entry.path().filename().string()) == Lower(folder);
    EXPECT_EQ(found, 1) << folder;
  }
}

}  // namespace
}  // namespace quillo
