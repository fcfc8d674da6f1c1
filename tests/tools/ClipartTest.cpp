// The clip-art folder the build writes: every picture in it loads as the
// open dialog would load it, and each format Quillo reads besides BMP is
// there (its TGA pictures upright); the clip-art morphs stay beside them.
#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>
#include <map>
#include <string>

#include "base/FileBytes.h"
#include "io/PictureFile.h"
#include "io/core/PictureFormats.h"
#include "io/core/PpmReader.h"

namespace quillo {
namespace {

TEST(BuildClipartFolder, EveryPictureLoadsAndEachFormatIsThere) {
  const std::filesystem::path folder = std::string(QUILLO_BUILD_DIR) + "/Clipart";
  std::map<std::string, int> byExtension;
  int morphs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string extension = entry.path().extension().string();
    if (extension == ".mph") {
      ++morphs;
      continue;
    }
    ASSERT_TRUE(FindPictureFormat(extension.substr(1))) << entry.path();
    Bitmap picture;
    EXPECT_NO_THROW(picture = LoadPictureFile(entry.path().string())) << entry.path();
    EXPECT_GE(picture.Width(), 64) << entry.path();
    EXPECT_GE(picture.Height(), 64) << entry.path();
    if (extension == ".tga") {
      // Written top row first, so marked as running from the top; read as
      // netpbm reads it.
      EXPECT_EQ(ReadFileBytes(entry.path().string()).at(17) & 0x20, 0x20) << entry.path();
      QProcess netpbm;
      netpbm.start("tgatoppm", {QString::fromStdString(entry.path().string())});
      ASSERT_TRUE(netpbm.waitForFinished(30000));
      const QByteArray ppm = netpbm.readAllStandardOutput();
      EXPECT_EQ(picture, DecodePpm(std::vector<std::uint8_t>(ppm.begin(), ppm.end())))
          << entry.path();
    }
    ++byExtension[extension];
  }
  int pictures = 0;
  for (const char* extension : {".png", ".jpg", ".gif", ".tga", ".pcx", ".psd", ".tif", ".img"}) {
    EXPECT_GE(byExtension[extension], 1) << extension;
    pictures += byExtension[extension];
  }
  EXPECT_GE(pictures, 8);
  EXPECT_LE(pictures, 12);
  EXPECT_GE(morphs, 2);
}

}  // namespace
}  // namespace quillo
