// The playback device: a clock-driven position, the completion notices that
// make looping work, and the one-shot options of the next command.
#include "media/core/MediaDevice.h"

#include <gtest/gtest.h>

#include "media/core/CommandOptions.h"

namespace quillo {
namespace {

using Notices = std::vector<NotifyCode>;

MediaDevice TenFrames() {
  return MediaDevice({10, 10.0, 8, 6});
}  // one second at 10 fps

TEST(MediaDevice, PlayRunsWithTheClockAndCompletesAtTheEnd) {
  MediaDevice d = TenFrames();
  EXPECT_EQ(d.Play({}, {}, true, 1000), 0);
  d.Advance(1399.9);
  EXPECT_EQ(d.Position(), 3);
  EXPECT_EQ(d.Mode(), MediaMode::Playing);
  EXPECT_TRUE(d.TakeNotices().empty());
  d.Advance(5000);
  EXPECT_EQ(d.Position(), d.Length());
  EXPECT_EQ(d.Frame(), 9);  // the last picture stays on show
  EXPECT_EQ(d.Mode(), MediaMode::Stopped);
  EXPECT_EQ(d.TakeNotices(), Notices{NotifyCode::Successful});

  // From and To bound a play; a position outside the media changes nothing.
  EXPECT_EQ(d.Play(2, 5, true, 0), 0);
  d.Advance(10000);
  EXPECT_EQ(d.Position(), 5);
  EXPECT_EQ(d.Play(8, 3, true, 0), kMediaOutOfRange);
  EXPECT_EQ(d.Seek(11, false), kMediaOutOfRange);
  EXPECT_EQ(d.Position(), 5);
  EXPECT_EQ(d.Mode(), MediaMode::Stopped);
}

TEST(MediaDevice, InterruptedPlaysAreAbortedOrSuperseded) {
  MediaDevice d = TenFrames();
  d.Play({}, {}, true, 0);
  d.Play({}, {}, true, 100);  // a new play replaces the notice of the old
  EXPECT_EQ(d.TakeNotices(), Notices{NotifyCode::Superseded});
  d.Stop(false);  // a stop ends it: aborted, never successful, so no loop restarts
  EXPECT_EQ(d.TakeNotices(), Notices{NotifyCode::Aborted});
  d.Advance(10000);
  EXPECT_TRUE(d.TakeNotices().empty());
  EXPECT_EQ(d.Mode(), MediaMode::Stopped);

  // Pausing keeps the play's notice; resuming plays on from where it stood.
  d.Seek(0, false);
  d.Play({}, {}, true, 0);
  d.Pause(false, 250);
  EXPECT_EQ(d.Mode(), MediaMode::Paused);
  d.Advance(900);
  EXPECT_EQ(d.Position(), 2);
  EXPECT_EQ(d.Resume(false, 1000), 0);
  d.Advance(1800);
  EXPECT_EQ(d.Mode(), MediaMode::Stopped);
  EXPECT_EQ(d.TakeNotices(), Notices{NotifyCode::Successful});
  EXPECT_EQ(d.Resume(false, 0), kMediaUnsupported);  // nothing paused
}

TEST(MediaDevice, MillisecondsAndSteps) {
  MediaDevice d({75, 15.0, 290, 290});
  EXPECT_EQ(d.SetTimeFormat(1, false), kMediaBadTimeFormat);
  EXPECT_EQ(d.SetTimeFormat(0, true), 0);
  EXPECT_EQ(d.TakeNotices(), Notices{NotifyCode::Successful});
  EXPECT_EQ(d.Length(), 5000);
  d.Seek(1000, false);
  EXPECT_EQ(d.Frame(), 15);
  d.Step(-20, false);  // steps are in frames and stop at the start
  EXPECT_EQ(d.Position(), 0);
  d.Step(100, false);
  EXPECT_EQ(d.Position(), 5000);
  EXPECT_EQ(MediaErrorText(12345), "Unknown error code");
}

TEST(CommandOptions, ApplyToTheNextCommandOnly) {
  CommandOptions o;
  CommandFlags f = o.General();
  EXPECT_TRUE(f.wait);
  EXPECT_FALSE(f.notify);
  f = o.Playing(true);
  EXPECT_FALSE(f.wait);
  EXPECT_TRUE(f.notify);

  o.SetWait(false);
  o.SetNotify(true);
  o.SetFrom(3);
  f = o.General();  // takes wait and notify, leaves From for a play
  EXPECT_FALSE(f.wait);
  EXPECT_TRUE(f.notify);
  EXPECT_TRUE(o.FromOrToSet());
  o.SetNotify(false);
  f = o.Playing(true);
  EXPECT_FALSE(f.notify);
  EXPECT_EQ(f.from, 3);
  EXPECT_FALSE(f.to.has_value());
  f = o.Playing(true);
  EXPECT_TRUE(f.notify);
  EXPECT_FALSE(f.from.has_value());
  EXPECT_FALSE(o.FromOrToSet());
}

}  // namespace
}  // namespace quillo
