// The AVI writer: what it writes plays back with the frames' size, rate,
// count and colours, the same frames give the same bytes, and a failure never
// costs the file it would have replaced nor leaves a temporary file behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Error.h"
#include "base/FileBytes.h"
#include "io/VideoFileWriter.h"
#include "support/ToolOutput.h"

namespace quillo {
namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;

// Four flat quadrants (red, green, blue, and a grey that changes with k):
// colours that a swapped channel order or a wrong range would spoil.
Bitmap Quadrants(int k) {
  Bitmap b(kWidth, kHeight);
  b.FillRect({0, 0, kWidth / 2, kHeight / 2}, MakePixel(220, 30, 30));
  b.FillRect({kWidth / 2, 0, kWidth, kHeight / 2}, MakePixel(30, 200, 40));
  b.FillRect({0, kHeight / 2, kWidth / 2, kHeight}, MakePixel(20, 40, 230));
  b.FillRect({kWidth / 2, kHeight / 2, kWidth, kHeight}, MakePixel(40 * k, 40 * k, 40 * k));
  return b;
}

using testing::ToolOutput;

std::string Probe(const std::string& path) {
  return ToolOutput("ffprobe", {"-v", "error", "-count_frames", "-show_entries",
                                "stream=codec_name,width,height,r_frame_rate,nb_read_frames", "-of",
                                "default=noprint_wrappers=1", QString::fromStdString(path)})
      .toStdString();
}

// The first frame as ffmpeg decodes it, red, green and blue bytes.
QByteArray FirstFrameRgb(const std::string& path) {
  return ToolOutput("ffmpeg", {"-v", "error", "-i", QString::fromStdString(path), "-frames:v", "1",
                               "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
}

double MeanDifference(const QByteArray& rgb, const Bitmap& b) {
  if (rgb.size() != b.Width() * b.Height() * 3) return 255;
  double sum = 0;
  for (int i = 0; i < b.Width() * b.Height(); ++i) {
    const Pixel p = b.Data()[i];
    const auto* c = reinterpret_cast<const std::uint8_t*>(rgb.constData()) + 3 * i;
    sum += std::abs(c[0] - Red(p)) + std::abs(c[1] - Green(p)) + std::abs(c[2] - Blue(p));
  }
  return sum / (3.0 * b.Width() * b.Height());
}

// The folder's entries, hidden ones included, as "a, b".
std::string Entries(const QTemporaryDir& dir) {
  return QDir(dir.path())
      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
      .join(", ")
      .toStdString();
}

// The message of the Error the call throws, or "" when it throws none.
template <typename Call>
std::string ErrorOf(Call call) {
  try {
    call();
  } catch (const Error& e) {
    return e.what();
  }
  return "";
}

void WriteClip(const std::string& path, int frames) {
  VideoFileWriter writer(path, kWidth, kHeight, 12);
  for (int k = 0; k < frames; ++k) writer.AddFrame(Quadrants(k));
  writer.Finish();
  EXPECT_EQ(writer.FrameCount(), frames);
}

TEST(VideoFileWriter, WritesAnAviThatPlaysBackAsWrittenAndTheSameOnEveryRun) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string path = dir.path().toStdString() + "/clip.avi";
  WriteClip(path, 5);
  EXPECT_EQ(Probe(path),
            "codec_name=mjpeg\nwidth=64\nheight=48\nr_frame_rate=12/1\nnb_read_frames=5\n");
  EXPECT_LT(MeanDifference(FirstFrameRgb(path), Quadrants(0)), 4.0);
  EXPECT_EQ(Entries(dir), "clip.avi") << "a temporary file was left behind";

  const std::string again = dir.path().toStdString() + "/again.avi";
  WriteClip(again, 5);
  EXPECT_TRUE(ReadFileBytes(path) == ReadFileBytes(again)) << "two runs differ";
}

TEST(VideoFileWriter, FailuresKeepTheOldFileAndLeaveNoTemporaryFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string folder = dir.path().toStdString();
  const std::string old = folder + "/old.avi";
  const std::vector<std::uint8_t> oldBytes{'o', 'l', 'd'};
  WriteFileAtomically(old, oldBytes);

  // A folder that does not exist.
  const std::string missing = folder + "/missing/clip.avi";
  std::string message = ErrorOf([&] { VideoFileWriter(missing, kWidth, kHeight, 12); });
  EXPECT_NE(message.find(missing), std::string::npos) << message;
  EXPECT_NE(message.find("No such file or directory"), std::string::npos) << message;
  // An encoder that does not exist.
  message = ErrorOf([&] { VideoFileWriter(old, kWidth, kHeight, 12, {.encoder = "nonesuch"}); });
  EXPECT_NE(message.find("nonesuch"), std::string::npos) << message;

  {
    // A frame of the wrong size is refused; the writer, dropped unfinished,
    // leaves the old file.
    VideoFileWriter writer(old, kWidth, kHeight, 12);
    writer.AddFrame(Quadrants(1));
    message = ErrorOf([&] { writer.AddFrame(Bitmap(kWidth + 2, kHeight)); });
    EXPECT_NE(message.find("66 x 48"), std::string::npos) << message;
  }
  EXPECT_TRUE(ReadFileBytes(old) == oldBytes);

  // A target that cannot be replaced (a folder) fails at the end.
  const std::string taken = folder + "/taken.avi";
  std::filesystem::create_directories(taken + "/inside");
  VideoFileWriter writer(taken, kWidth, kHeight, 12);
  writer.AddFrame(Quadrants(2));
  message = ErrorOf([&] { writer.Finish(); });
  EXPECT_NE(message.find(taken), std::string::npos) << message;
  EXPECT_TRUE(std::filesystem::is_directory(taken + "/inside"));
  EXPECT_NE(ErrorOf([&] { writer.AddFrame(Quadrants(3)); }), "") << "a failed writer went on";

  EXPECT_EQ(Entries(dir), "old.avi, taken.avi") << "a temporary file was left behind";
}

}  // namespace
}  // namespace quillo

namespace quillo {
namespace {

// The little-endian word at a byte offset.
std::uint32_t Word(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TEST(VideoFileWriterHeader, TheStreamSuggestsABufferOfOne24BitFrameAndEveryFrameIsAKeyFrame) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("odd.avi").toStdString();
  VideoFileWriter writer(path, 290, 290, 15, VideoCodec{"mpeg4", 3});
  Bitmap frame(290, 290);
  for (int k = 0; k < 5; ++k) {
    frame.FillRect({0, 0, 290, 290}, MakePixel(40 * k, 90, 200 - 30 * k));
    writer.AddFrame(frame);
  }
  writer.Finish();
  const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  const std::string text(bytes.begin(), bytes.end());
  const std::size_t strh = text.find("strh");
  ASSERT_NE(strh, std::string::npos);
  ASSERT_EQ(text.substr(strh + 8, 4), "vids");
  EXPECT_EQ(Word(bytes, strh + 8 + 20), 1u);       // scale
  EXPECT_EQ(Word(bytes, strh + 8 + 24), 15u);      // rate
  EXPECT_EQ(Word(bytes, strh + 8 + 36), 252880u);  // rows of 870 bytes padded to 872
  EXPECT_EQ(Word(bytes, strh + 8 + 40), 0u);       // quality
  const QString keys =
      ToolOutput("ffprobe", {"-v", "error", "-select_streams", "v:0", "-show_entries",
                             "packet=flags", "-of", "csv=p=0", QString::fromStdString(path)});
  EXPECT_EQ(keys.simplified(), "K_ K_ K_ K_ K_");
}

}  // namespace
}  // namespace quillo
