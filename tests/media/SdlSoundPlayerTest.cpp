// Sound through SDL2_mixer: silent without a device or a file, and real
// samples when there is one (SDL's disk driver writes what it plays).
#include "media/SdlSoundPlayer.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <fstream>
#include <thread>

#include "base/ByteCursor.h"
#include "base/FileBytes.h"
#include "support/ScopedEnv.h"

namespace quillo {
namespace {

// A 0.3 s sine tone as a 16-bit mono wave file.
void WriteTone(const std::string& path) {
  constexpr int kRate = 44100;
  constexpr int kSamples = kRate * 3 / 10;
  ByteWriter w;
  w.Bytes(std::vector<std::uint8_t>{'R', 'I', 'F', 'F'});
  w.U32(36 + kSamples * 2);
  w.Bytes(std::vector<std::uint8_t>{'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  w.U32(16);
  w.U16(1);
  w.U16(1);
  w.U32(kRate);
  w.U32(kRate * 2);
  w.U16(2);
  w.U16(16);
  w.Bytes(std::vector<std::uint8_t>{'d', 'a', 't', 'a'});
  w.U32(kSamples * 2);
  for (int i = 0; i < kSamples; ++i)
    w.U16(static_cast<std::uint16_t>(static_cast<std::int16_t>(12000 * std::sin(i * 0.0626))));
  WriteFileAtomically(path, std::move(w).Take());
}

using Env = testing::ScopedEnv;

TEST(SdlSoundPlayer, WithoutADeviceOrAFileItStaysSilentAndSaysNothing) {
  QTemporaryDir dir;
  const std::string tone = dir.filePath("tone.wav").toStdString();
  WriteTone(tone);
  {
    const Env driver("SDL_AUDIODRIVER", "no-such-driver");
    SdlSoundPlayer player;
    ::testing::internal::CaptureStderr();
    player.PlayCue(tone);
    player.PlayMusic(tone);
    player.PlayCue(tone);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(player.Audible());
  }
  const Env driver("SDL_AUDIODRIVER", "dummy");
  SdlSoundPlayer player;
  player.PlayCue(dir.filePath("missing.wav").toStdString());
  EXPECT_TRUE(player.Audible());  // a missing file opens nothing and breaks nothing
  std::ofstream(dir.filePath("broken.wav").toStdString()) << "RIFF not a wave";
  player.PlayCue(dir.filePath("broken.wav").toStdString());
  player.PlayCue(tone);
  EXPECT_TRUE(player.Audible());
}

TEST(SdlSoundPlayer, ACueReallyProducesSamples) {
  QTemporaryDir dir;
  const std::string tone = dir.filePath("tone.wav").toStdString();
  const std::string out = dir.filePath("out.raw").toStdString();
  WriteTone(tone);
  {
    const Env driver("SDL_AUDIODRIVER", "disk");
    const Env file("SDL_DISKAUDIOFILE", QByteArray::fromStdString(out));
    SdlSoundPlayer player;
    player.PlayCue(tone);
    ASSERT_TRUE(player.Audible());
    std::this_thread::sleep_for(
        std::chrono::milliseconds(400));  // the disk device plays in real time
  }
  const std::vector<std::uint8_t> samples = ReadFileBytes(out);
  int loud = 0;
  for (std::size_t i = 0; i + 1 < samples.size(); i += 2)
    loud += std::abs(static_cast<std::int16_t>(samples[i] | samples[i + 1] << 8)) > 4000;
  EXPECT_GT(loud, 1000);
}

TEST(SdlSoundPlayer, OpeningTheDeviceLeavesInterruptAndTerminateAlone) {
  struct sigaction interruptBefore {
  }, terminateBefore{}, interruptAfter{}, terminateAfter{};
  sigaction(SIGINT, nullptr, &interruptBefore);
  sigaction(SIGTERM, nullptr, &terminateBefore);
  const Env driver("SDL_AUDIODRIVER", "dummy");
  SdlSoundPlayer player;
  player.PlayCue("/no/such/cue.wav");  // opens the device
  ASSERT_TRUE(player.Audible());
  sigaction(SIGINT, nullptr, &interruptAfter);
  sigaction(SIGTERM, nullptr, &terminateAfter);
  EXPECT_EQ(interruptAfter.sa_handler, interruptBefore.sa_handler);
  EXPECT_EQ(terminateAfter.sa_handler, terminateBefore.sa_handler);
}

}  // namespace
}  // namespace quillo
