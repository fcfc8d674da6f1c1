#include "base/FileBytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "base/Error.h"
#include "io/core/Folders.h"
#include "support/ScratchFolder.h"
#include "support/SmallDisk.h"

namespace quillo {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(FileBytes, WritesAtomicallyAndKeepsTheOldFileOnFailure) {
  const testing::ScratchFolder dir;
  const std::string target = dir.File("out.bmp");
  const std::vector<std::uint8_t> a{1, 2, 3}, b{4, 5};
  WriteFileAtomically(target, a);
  WriteFileAtomically(target, b);
  EXPECT_EQ(Slurp(target), std::string("\4\5"));
  EXPECT_EQ(ReadFileBytes(target), b);

  // A target that cannot be replaced (a folder) fails and leaves no temporary file.
  fs::create_directory(dir.File("folder"));
  EXPECT_THROW(WriteFileAtomically(dir.File("folder"), a), Error);
  EXPECT_THROW(WriteFileAtomically(dir.File("missing/out.bmp"), a), Error);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 2);  // out.bmp and the folder
  EXPECT_EQ(Slurp(target), std::string("\4\5"));
}

std::string CreationError(const std::string& path, std::span<const std::uint8_t> bytes) {
  try {
    WriteFileAtomically(path, bytes);
  } catch (const Error& e) {
    return e.what();
  }
  return "no error";
}

TEST(FileBytes, AFailedSaveSaysWhy) {
  const testing::ScratchFolder dir;
  const std::vector<std::uint8_t> small(10);
  EXPECT_EQ(CreationError(dir.File("gone/face.bmp"), small),
            "Cannot create file " + dir.File("gone/face.bmp") + ": the folder does not exist.");
  fs::create_directory(dir.File("folder"));
  EXPECT_EQ(CreationError(dir.File("folder"), small),
            "Cannot create file " + dir.File("folder") + ": it is a folder.");
  EXPECT_EQ(FileErrorReason(EACCES), "permission denied");

  const testing::SmallDisk full(16);
  const testing::SmallDisk readOnly(16, true);
  if (!full.Mounted() || !readOnly.Mounted()) GTEST_SKIP() << "mounting a test disk needs root";
  EXPECT_EQ(CreationError(full.File("face.bmp"), std::vector<std::uint8_t>(64 * 1024)),
            "Cannot create file " + full.File("face.bmp") + ": the disk is full.");
  EXPECT_EQ(CreationError(readOnly.File("face.bmp"), small),
            "Cannot create file " + readOnly.File("face.bmp") + ": the file system is read-only.");
  // Nothing half-written is left on the full disk.
  EXPECT_TRUE(fs::is_empty(fs::path(full.File(""))));
}

TEST(FileBytes, AReplacedFileKeepsItsPermissionsAndALinkStaysALink) {
  const testing::ScratchFolder dir;
  const std::string target = dir.File("face.bmp");
  WriteFileAtomically(target, std::vector<std::uint8_t>{1});
  ::chmod(target.c_str(), 0600);
  WriteFileAtomically(target, std::vector<std::uint8_t>{2});
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);

  fs::create_symlink(target, dir.File("link.bmp"));
  WriteFileAtomically(dir.File("link.bmp"), std::vector<std::uint8_t>{3});
  EXPECT_TRUE(fs::is_symlink(dir.File("link.bmp")));
  EXPECT_EQ(Slurp(target), std::string("\3"));
}

TEST(FileBytes, APipeIsRefusedAtOnceInsteadOfWaitedOn) {
  const testing::ScratchFolder dir;
  ASSERT_EQ(::mkfifo(dir.File("moregames.url").c_str(), 0600), 0);
  EXPECT_THROW(ReadFileBytes(dir.File("moregames.url")), Error);  // returns without a writer
}

TEST(FileBytes, ReadingNamesTheFileAndRefusesFoldersAndOversizedFiles) {
  const testing::ScratchFolder dir;
  try {
    ReadFileBytes(dir.File("nothing.bmp"));
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.File("nothing.bmp"));
  }
  EXPECT_THROW(ReadFileBytes(dir.Path().string()), Error);
  WriteFileAtomically(dir.File("big"), std::vector<std::uint8_t>(100));
  EXPECT_THROW(ReadFileBytes(dir.File("big"), 99), Error);
  EXPECT_EQ(ReadFileBytes(dir.File("big"), 100).size(), 100u);
}

TEST(Folders, TrailingSeparator) {
  EXPECT_EQ(WithTrailingSeparator("/home/me"), "/home/me/");
  EXPECT_EQ(WithTrailingSeparator("/home/me/"), "/home/me/");
  EXPECT_EQ(WithTrailingSeparator("/"), "/");
}

TEST(Folders, DataFilesAreFoundWhateverTheLetterCase) {
  const testing::ScratchFolder dir;
  fs::create_directories(dir.File("resource"));
  std::ofstream(dir.File("resource/Main.BMP")) << "x";
  const std::string folder = WithTrailingSeparator(dir.Path().string());
  EXPECT_EQ(ResolveIn(folder, "Resource\\main.bmp"), folder + "resource/Main.BMP");
  EXPECT_EQ(ResolveIn(folder, "resource/MAIN.bmp"), folder + "resource/Main.BMP");
  // A missing file keeps its spelling, so that errors name what was looked for.
  EXPECT_EQ(ResolveIn(folder, "Resource\\start.wav"), folder + "resource/start.wav");
}

TEST(Folders, AnInstalledProgramUsesTheSharedDataFolder) {
  const testing::ScratchFolder dir;
  fs::create_directories(dir.File("bin"));
  fs::create_directories(dir.File("share/quillo/Resource"));
  EXPECT_EQ(ChooseProgramFolder(dir.File("bin")),
            WithTrailingSeparator(fs::canonical(dir.File("share/quillo")).string()));
  fs::create_directories(dir.File("bin/RESOURCE"));  // a data folder beside the program wins
  EXPECT_EQ(ChooseProgramFolder(dir.File("bin")), dir.File("bin/"));
  EXPECT_EQ(ChooseProgramFolder(dir.File("elsewhere")), dir.File("elsewhere/"));
}

}  // namespace
}  // namespace quillo
