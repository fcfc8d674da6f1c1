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

  // A video written over one of the user's own keeps its permissions.
  namespace fs = std::filesystem;
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  WriteClip(path, 3);
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
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
  EXPECT_EQ(message, "Cannot create file " + missing + ": the folder does not exist.");
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

#include "io/VideoCodecs.h"
#include "media/VideoDecoder.h"

namespace quillo {
namespace {

// Every colour channel different from pixel to pixel, so that any chroma
// subsampling, range squeeze or channel swap shows.
Bitmap Noise(int w, int h, std::uint32_t seed) {
  Bitmap b(w, h);
  for (int i = 0; i < w * h; ++i) {
    seed = seed * 1664525u + 1013904223u;
    b.Data()[i] = ColourBits(seed >> 5);
  }
  return b;
}

// The differing pixels of two pictures, by their colour.
int Differences(const Bitmap& a, const Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int n = 0;
  for (int i = 0; i < a.Width() * a.Height(); ++i)
    n += ColourBits(a.Data()[i]) != ColourBits(b.Data()[i]);
  return n;
}

TEST(VideoFileWriterLossless, EveryLosslessEncoderGivesBackEachFrameBitForBit) {
  // An odd width: rows of raw 24-bit frames are padded in the file.
  constexpr int w = 66, h = 34;
  QTemporaryDir dir;
  std::vector<std::string> tried;
  for (const VideoCodecInfo& codec : UsableVideoCodecs(VideoContainer::kAvi, w, h)) {
    static const std::vector<std::string> kLossless = {
        "ffv1", "ffvhuff", "huffyuv", "utvideo", "rawvideo", "magicyuv", "png", "zmbv", "jpegls"};
    if (std::ranges::count(kLossless, codec.encoder) == 0) continue;
    tried.push_back(codec.encoder);
    const std::string path =
        dir.filePath(QString::fromStdString(codec.encoder + ".avi")).toStdString();
    std::vector<Bitmap> frames;
    {
      VideoFileWriter writer(path, w, h, 15, {codec.encoder, 0});
      for (std::uint32_t k = 0; k < 3; ++k) {
        frames.push_back(Noise(w, h, k));
        writer.AddFrame(frames.back());
      }
      writer.Finish();
    }
    VideoDecoder decoder(path);
    for (int k = 0; k < 3; ++k)
      EXPECT_EQ(Differences(decoder.Frame(k), frames[static_cast<std::size_t>(k)]), 0)
          << codec.encoder << " frame " << k;
  }
  for (const char* needed : {"ffv1", "huffyuv", "utvideo", "rawvideo"})
    EXPECT_EQ(std::ranges::count(tried, needed), 1) << needed << " is not offered";
}

TEST(VideoFileWriterContainers, TheExtensionChoosesMp4WebmOrALoopingGifWithOnePalette) {
  QTemporaryDir dir;
  const auto probe = [](const std::string& path) {
    return ToolOutput("ffprobe",
                      {"-v", "error", "-count_frames", "-show_entries",
                       "stream=codec_name,pix_fmt,r_frame_rate,nb_read_frames:format=format_name",
                       "-of", "default=noprint_wrappers=1", QString::fromStdString(path)})
        .toStdString();
  };
  for (const char* name : {"clip.mp4", "clip.WEBM", "clip.gif"}) {
    const std::string path = dir.filePath(name).toStdString();
    VideoFileWriter writer(path, kWidth, kHeight, 15);
    for (int k = 0; k < 6; ++k) writer.AddFrame(Quadrants(k));
    writer.Finish();
    const std::string facts = probe(path);
    EXPECT_NE(facts.find("nb_read_frames=6"), std::string::npos) << name << "\n" << facts;
    if (std::string(name) == "clip.mp4") {
      EXPECT_NE(facts.find("codec_name=h264\npix_fmt=yuv420p\nr_frame_rate=15/1"),
                std::string::npos)
          << facts;
      // The index ahead of the frames, for playing while it loads.
      const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
      const std::string text(bytes.begin(), bytes.end());
      EXPECT_LT(text.find("moov"), text.find("mdat"));
    } else if (std::string(name) == "clip.WEBM") {
      EXPECT_NE(facts.find("codec_name=vp9\npix_fmt=yuv420p\nr_frame_rate=15/1"), std::string::npos)
          << facts;
      EXPECT_NE(facts.find("format_name=matroska,webm"), std::string::npos) << facts;
    } else {
      EXPECT_NE(facts.find("codec_name=gif"), std::string::npos) << facts;
      const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
      const std::string text(bytes.begin(), bytes.end());
      EXPECT_NE(text.find("NETSCAPE2.0\x03\x01\x00\x00", 0, 15), std::string::npos)
          << "the GIF does not loop for ever";
      // Flat colours, fewer than a palette holds: each comes back exactly.
      VideoDecoder decoder(path);
      EXPECT_EQ(Differences(decoder.Frame(3), Quadrants(3)), 0);
    }
  }
  EXPECT_EQ(Entries(dir), "clip.gif, clip.mp4, clip.WEBM") << "a temporary file was left behind";
}

}  // namespace
}  // namespace quillo

#include "support/SmallDisk.h"

namespace quillo {
namespace {

TEST(VideoFileWriterDisk, AFullDiskIsNamedAndLeavesNothing) {
  const testing::SmallDisk disk(64);
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a small disk needs root";
  const std::string path = disk.File("clip.avi");
  const std::string message = ErrorOf([&] {
    VideoFileWriter writer(path, 160, 120, 15, {"rawvideo", 0});
    for (std::uint32_t k = 0; k < 10; ++k) writer.AddFrame(Noise(160, 120, k));
    writer.Finish();
  });
  EXPECT_EQ(message, "Cannot write video file " + path + ": the disk is full.");
  EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::path(path).parent_path()));
}

}  // namespace
}  // namespace quillo
