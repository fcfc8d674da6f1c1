// The intro videos in the build's data folder: one per mode, Motion JPEG at
// 290 x 290 and 15 frames a second, 3 to 6 seconds long, each showing
// something happen and looping without a jump.
#include <gtest/gtest.h>

#include <QProcess>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "support/ToolOutput.h"

namespace quillo {
namespace {

constexpr int kSide = 290;
constexpr qsizetype kFrameBytes = kSide * kSide * 3;

using testing::ToolOutput;

// The mean difference of two frames' bytes, 0 to 255.
double Difference(const QByteArray& frames, qsizetype a, qsizetype b) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(frames.constData());
  const std::uint8_t* x = p + a * kFrameBytes;
  const std::uint8_t* y = p + b * kFrameBytes;
  std::int64_t sum = 0;
  for (qsizetype i = 0; i < kFrameBytes; ++i) sum += std::abs(x[i] - y[i]);
  return static_cast<double>(sum) / kFrameBytes;
}

TEST(VideoFiles, EachIntroIsALoopOfTheProgramsFormatThatShowsItsModeAtWork) {
  for (int n = 1; n <= kVideos; ++n) {
    const std::string name = VideoFile(n);
    SCOPED_TRACE(name);
    const QString path = QString::fromStdString(ResolveIn(QUILLO_BUILD_DIR "/", name));
    const std::string probe =
        ToolOutput("ffprobe", {"-v", "error", "-count_frames", "-show_entries",
                               "stream=codec_name,width,height,r_frame_rate,nb_read_frames", "-of",
                               "default=noprint_wrappers=1", path})
            .toStdString();
    const std::string format = "codec_name=mjpeg\nwidth=290\nheight=290\nr_frame_rate=15/1\n";
    ASSERT_TRUE(probe.starts_with(format)) << probe;
    const int count = std::atoi(probe.c_str() + probe.find("nb_read_frames=") + 15);
    EXPECT_GE(count, 45);
    EXPECT_LE(count, 90);

    const QByteArray frames = ToolOutput(
        "ffmpeg", {"-v", "error", "-i", path, "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    ASSERT_EQ(frames.size(), count * kFrameBytes);
    // The last frame flows into the first as any frame into the next, and no
    // frame jumps away from the one before.
    EXPECT_LT(Difference(frames, count - 1, 0), 3.0);
    double largestStep = 0, furthest = 0;
    for (int i = 1; i < count; ++i) {
      largestStep = std::max(largestStep, Difference(frames, i - 1, i));
      furthest = std::max(furthest, Difference(frames, 0, i));
    }
    EXPECT_LT(largestStep, 20.0);
    // The effect shows: some frame lies well away from the first.
    EXPECT_GT(furthest, 2.5);
  }
}

}  // namespace
}  // namespace quillo
