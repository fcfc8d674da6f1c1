#include "base/FileBytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "base/Error.h"
#include "io/core/Folders.h"

namespace quillo {
namespace {

namespace fs = std::filesystem;

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "quillo-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempFolder() { fs::remove_all(path_); }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(FileBytes, WritesAtomicallyAndKeepsTheOldFileOnFailure) {
  TempFolder dir;
  const std::string target = dir / "out.bmp";
  const std::vector<std::uint8_t> a{1, 2, 3}, b{4, 5};
  WriteFileAtomically(target, a);
  WriteFileAtomically(target, b);
  EXPECT_EQ(Slurp(target), std::string("\4\5"));
  EXPECT_EQ(ReadFileBytes(target), b);

  // A target that cannot be replaced (a folder) fails and leaves no temporary file.
  fs::create_directory(dir / "folder");
  EXPECT_THROW(WriteFileAtomically(dir / "folder", a), Error);
  EXPECT_THROW(WriteFileAtomically(dir / "missing/out.bmp", a), Error);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 2);  // out.bmp and the folder
  EXPECT_EQ(Slurp(target), std::string("\4\5"));
}

TEST(FileBytes, ReadingNamesTheFileAndRefusesFoldersAndOversizedFiles) {
  TempFolder dir;
  try {
    ReadFileBytes(dir / "nothing.bmp");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file " + (dir / "nothing.bmp"));
  }
  EXPECT_THROW(ReadFileBytes(dir.path().string()), Error);
  WriteFileAtomically(dir / "big", std::vector<std::uint8_t>(100));
  EXPECT_THROW(ReadFileBytes(dir / "big", 99), Error);
  EXPECT_EQ(ReadFileBytes(dir / "big", 100).size(), 100u);
}

TEST(Folders, TrailingSeparatorAndFolderOf) {
  EXPECT_EQ(WithTrailingSeparator("/home/me"), "/home/me/");
  EXPECT_EQ(WithTrailingSeparator("/home/me/"), "/home/me/");
  EXPECT_EQ(WithTrailingSeparator("/"), "/");
  EXPECT_EQ(FolderOf("/opt/quillo/bin/quillo"), "/opt/quillo/bin/");
  EXPECT_EQ(FolderOf("quillo"), "");
}

TEST(Folders, DataFilesAreFoundWhateverTheLetterCase) {
  TempFolder dir;
  fs::create_directories(dir / "resource");
  std::ofstream(dir / "resource/Main.BMP") << "x";
  const std::string folder = WithTrailingSeparator(dir.path().string());
  EXPECT_EQ(ResolveIn(folder, "Resource\\main.bmp"), folder + "resource/Main.BMP");
  EXPECT_EQ(ResolveIn(folder, "resource/MAIN.bmp"), folder + "resource/Main.BMP");
  // A missing file keeps its spelling, so that errors name what was looked for.
  EXPECT_EQ(ResolveIn(folder, "Resource\\start.wav"), folder + "resource/start.wav");
}

TEST(Folders, AnInstalledProgramUsesTheSharedDataFolder) {
  TempFolder dir;
  fs::create_directories(dir / "bin");
  fs::create_directories(dir / "share/quillo/Resource");
  EXPECT_EQ(ChooseProgramFolder(dir / "bin"),
            WithTrailingSeparator(fs::canonical(dir / "share/quillo").string()));
  fs::create_directories(dir / "bin/RESOURCE");  // a data folder beside the program wins
  EXPECT_EQ(ChooseProgramFolder(dir / "bin"), dir / "bin/");
  EXPECT_EQ(ChooseProgramFolder(dir / "elsewhere"), dir / "elsewhere/");
}

}  // namespace
}  // namespace quillo
