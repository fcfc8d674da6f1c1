#include "io/core/DataFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/Error.h"
#include "io/core/Folders.h"
#include "support/ScratchFolder.h"

namespace quillo {
namespace {

namespace fs = std::filesystem;

// Every name of the data folder that the program looks up.
std::vector<std::string> DataNames() {
  std::vector<std::string> names;
  for (std::string_view name :
       {kMainBitmapFile, kSkinSheetFile,    kStartPictureFile,  kDefaultFaceFile, kWhiteFaceFile,
        kBlackFaceFile,  kThirdPictureFile, kFourthPictureFile, kStartMorphFile,  kStartSound,
        kStartMusic,     kMove1Sound,       kMove2Sound,        kLeftSliderSound, kRightSliderSound,
        kOpenSound,      kSaveSound,        kExitSound,         kCancelSound,     kAboutText})
    names.emplace_back(name);
  for (int n = 1; n <= kClickSounds; ++n) names.push_back(ClickSound(n));
  for (int n = 1; n <= kRandomSounds; ++n) names.push_back(RandomSound(n));
  for (int n = 1; n <= kVideos; ++n) names.push_back(VideoFile(n));
  for (int page = 0; page < kHelpPages; ++page) names.push_back(HelpText(page));
  for (int size : kIconSizes) names.push_back(IconFile(size));
  names.push_back(ClipartFile("faces.mph"));
  return names;
}

TEST(DataFiles, GeneratedPathsSpellEachFolderOneWay) {
  EXPECT_EQ(GeneratedFilePath("out", kStartPictureFile), "out/Resource/quillo.bmp");
  EXPECT_EQ(GeneratedFilePath("out/", kMainBitmapFile), "out/Resource/main.bmp");
  EXPECT_EQ(GeneratedFilePath("/data", ClipartFile("a b.mph")), "/data/Clipart/a b.mph");
  EXPECT_EQ(GeneratedFilePath("out", "CLIPART/x.mph"), "out/Clipart/x.mph");
  // Shortcuts lie in the current directory, not in a data folder.
  EXPECT_THROW(GeneratedFilePath("out", kPlayShortcut), Error);
  EXPECT_THROW(GeneratedFilePath("out", "Resources\\main.bmp"), Error);
}

// A generator writes each file where GeneratedFilePath says; the program,
// resolving the same name, must arrive at that very file, and all of them lie
// in the two data folders.
TEST(DataFiles, TheProgramFindsWhatAGeneratorWrites) {
  const testing::ScratchFolder scratch;
  const std::string folder = WithTrailingSeparator(scratch.Path().string());
  for (const std::string& name : DataNames()) {
    const std::string path = GeneratedFilePath(folder, name);
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << name;
  }
  for (const std::string& name : DataNames())
    EXPECT_EQ(ResolveIn(folder, name), GeneratedFilePath(folder, name)) << name;
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

TEST(DataFiles, NumberedNamesExistOnlyInTheirRange) {
  EXPECT_EQ(ClickSound(1), "resource\\click1.wav");
  EXPECT_EQ(RandomSound(kRandomSounds), "resource\\random9.wav");
  EXPECT_EQ(VideoFile(kVideos), "Resource\\video4.avi");
  EXPECT_EQ(HelpText(0), "Resource\\help0.txt");
  for (int n : {0, kClickSounds + 1}) EXPECT_THROW(ClickSound(n), Error) << n;
  for (int n : {0, kRandomSounds + 1}) EXPECT_THROW(RandomSound(n), Error) << n;
  for (int n : {0, kVideos + 1}) EXPECT_THROW(VideoFile(n), Error) << n;
  for (int page : {-1, kHelpPages}) EXPECT_THROW(HelpText(page), Error) << page;
}

}  // namespace
}  // namespace quillo
