// The codec module: the program links none of the libraries it holds, it is
// found and its errors are caught as quillo::Error, and without it only what
// needs it is refused, with a sentence naming it.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "base/Error.h"
#include "codecs/CodecModule.h"
#include "io/PictureFile.h"
#include "io/core/BitmapFile.h"
#include "media/VideoDecoder.h"
#include "support/RunQuillo.h"
#include "support/ScopedEnv.h"
#include "support/TestFolder.h"

namespace quillo {
namespace {

QString Ldd(const QString& file) {
  QProcess p;
  p.start("ldd", {file});
  EXPECT_TRUE(p.waitForFinished(30000));
  return QString::fromLocal8Bit(p.readAllStandardOutput());
}

std::string ErrorOf(auto call) {
  try {
    call();
  } catch (const Error& e) {
    return e.what();
  }
  return "";
}

TEST(CodecModule, TheProgramLinksNoCodecLibraryAndTheModuleNoToolkit) {
  const QString program = Ldd(QUILLO_BUILD_DIR "/quillo");
  ASSERT_TRUE(program.contains("libQt6Core")) << program.toStdString();
  for (const char* library :
       {"libavcodec", "libavformat", "libavdevice", "libswscale", "libMagick", "libgs.", "libsane"})
    EXPECT_FALSE(program.contains(library)) << library;

  const QString module = Ldd(QUILLO_BUILD_DIR "/" + QString(codecs::kCodecModuleFile));
  EXPECT_TRUE(module.contains("libavcodec") && module.contains("libMagick++") &&
              module.contains("libgs."))
      << module.toStdString();
  EXPECT_FALSE(module.contains("Qt6")) << module.toStdString();
}

TEST(CodecModule, ItsErrorsAreQuilloErrorsAndAModuleThatDoesNotLoadIsNamed) {
  const QTemporaryDir dir;
  // Thrown inside the module, caught here by type.
  QFile png(dir.filePath("cut.png"));
  ASSERT_TRUE(png.open(QIODevice::WriteOnly));
  png.write("\x89PNG\r\n\x1a\n");
  png.close();
  const std::string cut = png.fileName().toStdString();
  EXPECT_NE(ErrorOf([&] { LoadPictureFile(cut); }).find(cut), std::string::npos);
  EXPECT_NE(ErrorOf([&] { VideoDecoder{cut}; }), "");

  const std::string missing = dir.filePath("none/libquillo_codecs.so").toStdString();
  std::string message = ErrorOf([&] { codecs::LoadCodecModule(missing); });
  EXPECT_NE(message.find("Cannot load the codec module " + missing + ": "), std::string::npos)
      << message;
  EXPECT_NE(message.find("No such file"), std::string::npos) << message;

  QFile text(dir.filePath("libquillo_codecs.so"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("not a library\n");
  text.close();
  message = ErrorOf([&] { codecs::LoadCodecModule(text.fileName().toStdString()); });
  EXPECT_TRUE(message.starts_with("Cannot load the codec module " + text.fileName().toStdString()))
      << message;
}

TEST(CodecModule, ListsTheAviEncodersThatOpenAtTheSize) {
  const codecs::CodecTable& table = codecs::Codecs();
  std::vector<std::string> names;
  for (const codecs::VideoEncoderFacts& e :
       table.videoEncoders(codecs::VideoContainer::kAvi, 290, 290)) {
    names.push_back(e.name);
    EXPECT_FALSE(e.description.empty()) << e.name;
  }
  // Cinepak and Microsoft Video 1 take only sides that are multiples of 4.
  const auto listed = [&names](const char* name) { return std::ranges::count(names, name) == 1; };
  EXPECT_TRUE(listed("mjpeg"));
  EXPECT_FALSE(listed("cinepak"));
  EXPECT_FALSE(listed("msvideo1"));
  EXPECT_TRUE(table.videoEncoderUsable(codecs::VideoContainer::kAvi, "cinepak", 288, 288));
  EXPECT_FALSE(table.videoEncoderUsable(codecs::VideoContainer::kAvi, "cinepak", 290, 290));
  EXPECT_FALSE(table.videoEncoderUsable(codecs::VideoContainer::kAvi, "mjpeg", 0, 290));
  EXPECT_FALSE(table.videoEncoderUsable(codecs::VideoContainer::kAvi, "nonesuch", 290, 290));
}

TEST(CodecModule, WithoutItTheProgramStillReadsBitmapsAndNamesItForOtherFormats) {
  const QTemporaryDir dir;
  const testing::ScopedEnv gone("QUILLO_CODEC_MODULE", dir.filePath("gone.so").toLocal8Bit());
  SaveBitmapFile(dir.filePath("face.bmp").toStdString(), testing::TestFace(60, 45), 24);
  ASSERT_TRUE(QImage(dir.filePath("face.bmp")).save(dir.filePath("face.png")));

  const testing::Outcome bmp = testing::RunQuillo(
      {"mirror", "--kind", "radial", dir.filePath("face.bmp"), dir.filePath("a.bmp")});
  EXPECT_EQ(bmp.exitCode, 0) << bmp.err.toStdString();
  const testing::Outcome png = testing::RunQuillo(
      {"mirror", "--kind", "radial", dir.filePath("face.png"), dir.filePath("b.bmp")});
  EXPECT_EQ(png.exitCode, 2);
  EXPECT_TRUE(png.err.contains("Cannot load the codec module " + dir.filePath("gone.so")))
      << png.err.toStdString();
  EXPECT_EQ(png.err.count('\n'), 1) << png.err.toStdString();
  EXPECT_FALSE(QFile::exists(dir.filePath("b.bmp")));
}

}  // namespace
}  // namespace quillo
