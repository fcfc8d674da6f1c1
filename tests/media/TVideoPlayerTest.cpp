// The video player control on real files made by FFmpeg's own tool: opening,
// playing, looping, stopping, the one-shot options, painting and failures.
// Playback follows a clock the tests move themselves.
#include "media/TVideoPlayer.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "base/Error.h"
#include "media/VideoDecoder.h"
#include "skin/BitmapImage.h"
#include "support/ErrorBoxCapture.h"
#include "support/ManualClock.h"

namespace quillo {
namespace {

// A 64 x 48 test pattern of `frames` frames at 30 fps, mjpeg in AVI.
std::string MakeVideo(const QTemporaryDir& dir, int frames) {
  const QString path = dir.filePath("clip.avi");
  QProcess ffmpeg;
  ffmpeg.start("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=64x48:rate=30",
                          "-frames:v", QString::number(frames), "-c:v", "mjpeg", "-pix_fmt",
                          "yuvj420p", "-q:v", "2", path});
  EXPECT_TRUE(ffmpeg.waitForFinished(20000));
  EXPECT_EQ(ffmpeg.exitCode(), 0) << ffmpeg.readAllStandardError().toStdString();
  return path.toStdString();
}

// Lets the notices the player queued for the event loop's next turn run.
void RunQueuedNotices() {
  QCoreApplication::processEvents();
}

void ExpectNoDevice(const std::function<void()>& command) {
  try {
    command();
    ADD_FAILURE() << "no error raised";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "No FFmpeg device open");
  }
}

TEST(TVideoPlayer, AClosedOrFailedPlayerRaisesAndReportsNotReady) {
  QTemporaryDir dir;
  TVideoPlayer player;
  EXPECT_EQ(player.GetMode(), 0);
  ExpectNoDevice([&] { player.Play(); });
  ExpectNoDevice([&] { player.Stop(); });
  ExpectNoDevice([&] { player.Rewind(); });

  player.FileName = dir.filePath("missing.avi").toStdString();
  EXPECT_THROW(player.Open(), Error);
  std::ofstream(dir.filePath("damaged.avi").toStdString()) << "RIFF....AVI LIST garbage";
  player.FileName = dir.filePath("damaged.avi").toStdString();
  try {
    player.Open();
    ADD_FAILURE() << "a damaged file opened";
  } catch (const Error& e) {
    EXPECT_FALSE(std::string(e.what()).empty());
  }
  EXPECT_FALSE(player.Opened());
  EXPECT_EQ(player.GetMode(), 0);

  // A good file opened before stays open only until the next Open.
  player.FileName = MakeVideo(dir, 20);
  player.Open();
  EXPECT_TRUE(player.Opened());
  player.FileName = dir.filePath("missing.avi").toStdString();
  EXPECT_THROW(player.Open(), Error);
  EXPECT_FALSE(player.Opened());
}

TEST(TVideoPlayer, LoopsUntilStoppedAndRewindsAtTheEnd) {
  QTemporaryDir dir;
  TVideoPlayer player;
  testing::ManualClock clock;
  player.SetClock(clock.Function());
  player.FileName = MakeVideo(dir, 9);  // 0.3 s
  player.Open();
  EXPECT_TRUE(player.CanPlay && player.HasVideo && player.CanStep);
  EXPECT_EQ(player.NaturalWidth, 64);
  EXPECT_EQ(player.NaturalHeight, 48);
  EXPECT_EQ(player.GetLength(), 9);
  EXPECT_EQ(player.Frames, 0);

  int notices = 0;
  player.OnNotify = [&](TVideoPlayer*) { ++notices; };
  player.AutoLoop = true;
  player.Play();
  EXPECT_EQ(player.GetMode(), 2);
  // The position reaches the end and wraps to the start, again and again.
  int wraps = 0, last = 0;
  for (int step = 0; step < 50 && wraps < 2; ++step) {
    clock.Advance(40);
    player.Tick();
    RunQueuedNotices();
    const int p = player.GetPosition();
    if (p < last) ++wraps;
    last = p;
  }
  EXPECT_EQ(wraps, 2);
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(player.NotifyValue(), 0);
  EXPECT_EQ(player.GetMode(), 2);

  player.Stop();  // aborted: the loop ends
  RunQueuedNotices();
  EXPECT_EQ(player.NotifyValue(), 2);
  EXPECT_EQ(player.GetMode(), 1);

  // Without looping a play ends at the end; the next play rewinds first,
  // unless it is given a From.
  player.AutoLoop = false;
  clock.SetStepPerReading(50);  // time passes while the play waits
  player.SetWait(true);
  player.Play();  // returns when it has finished
  clock.SetStepPerReading(0);
  EXPECT_EQ(player.GetPosition(), 9);
  EXPECT_EQ(player.GetMode(), 1);
  player.Play();
  EXPECT_EQ(player.GetPosition(), 0);
  player.Stop();
  player.SetPosition(9);
  player.SetFrom(6);
  player.SetTo(7);
  player.Play();
  EXPECT_EQ(player.GetPosition(), 6);
  clock.Advance(20);  // within frame 6
  EXPECT_EQ(player.GetMode(), 2);
  EXPECT_EQ(player.GetPosition(), 6);
  clock.Advance(30);  // past frame 7, where the play stops
  EXPECT_EQ(player.GetMode(), 1);
  EXPECT_EQ(player.GetPosition(), 7);

  // A notify option applies once: the next play notifies again.
  RunQueuedNotices();
  notices = 0;
  clock.SetStepPerReading(50);
  player.SetNotify(false);
  player.SetWait(true);
  player.Play();
  RunQueuedNotices();
  EXPECT_EQ(notices, 0);
  player.SetWait(true);
  player.Play();
  RunQueuedNotices();
  EXPECT_EQ(notices, 1);
}

TEST(TVideoPlayer, AFailingHandlerIsShownInTheErrorBoxAndTheVideoLoopsOn) {
  testing::ErrorBoxCapture boxes;
  QTemporaryDir dir;
  TVideoPlayer player;
  testing::ManualClock clock;
  player.SetClock(clock.Function());
  player.FileName = MakeVideo(dir, 9);
  player.Open();
  player.AutoLoop = true;
  int notices = 0;
  player.OnNotify = [&](TVideoPlayer*) {
    ++notices;
    throw Error("Cannot show the next picture");
  };
  player.OnMouseEnter = [](TVideoPlayer*) { throw std::runtime_error("pointer trouble"); };
  player.Play();
  for (int round = 1; round <= 2; ++round) {
    clock.Advance(400);  // past the end
    player.Tick();
    RunQueuedNotices();
    EXPECT_EQ(notices, round);
    EXPECT_EQ(boxes.Errors().size(), round);
    // The loop went on: playing again from the start.
    EXPECT_EQ(player.GetMode(), 2);
    EXPECT_EQ(player.GetPosition(), 0);
  }
  EXPECT_EQ(boxes.Errors()[0], "Cannot show the next picture");

  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QCoreApplication::sendEvent(&player, &enter);
  EXPECT_EQ(boxes.Errors().back(), "pointer trouble");
  clock.Advance(110);  // and playing on
  EXPECT_EQ(player.GetPosition(), 3);
}

TEST(TVideoPlayer, PaintsTheFrameStretchedToTheControl) {
  QTemporaryDir dir;
  const std::string path = MakeVideo(dir, 3);
  TVideoPlayer player;
  player.resize(128, 96);
  player.FileName = path;
  player.Open();
  EXPECT_EQ(player.GetDisplayRect(), (Rect{0, 0, 128, 96}));
  VideoDecoder source(path);
  const QImage expected =
      WrapImage(source.Frame(0)).scaled(128, 96, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  const QImage grabbed = player.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(grabbed.size(), QSize(128, 96));
  double difference = 0;
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 128; ++x) {
      const QRgb a = grabbed.pixel(x, y), b = expected.pixel(x, y);
      difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                    std::abs(qBlue(a) - qBlue(b));
    }
  EXPECT_LT(difference / (128 * 96 * 3), 12.0);

  // Resizing re-fits the picture; without Stretch it sits at natural size.
  player.show();
  player.resize(200, 100);
  EXPECT_EQ(player.GetDisplayRect(), (Rect{0, 0, 200, 100}));
  player.SetStretch(false);
  EXPECT_EQ(player.GetDisplayRect(), (Rect{0, 0, 64, 48}));
  player.SetDisplayRect({10, 20, 0, 0});
  EXPECT_EQ(player.GetDisplayRect(), (Rect{10, 20, 200, 100}));
}

}  // namespace
}  // namespace quillo
