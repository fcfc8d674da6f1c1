// Sound through the sound module's thread: silent without a device or a
// file, real samples when there is one (SDL's disk driver writes what it
// plays), and the music rendered once into the cache.
#include "media/SoundThread.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <filesystem>
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

TEST(SoundThread, WithoutADeviceOrAFileItStaysSilentAndSaysNothing) {
  QTemporaryDir dir;
  const std::string tone = dir.filePath("tone.wav").toStdString();
  WriteTone(tone);
  {
    const Env driver("SDL_AUDIODRIVER", "no-such-driver");
    SoundThread player;
    ::testing::internal::CaptureStderr();
    player.PlayCue(tone);
    player.PlayMusic(tone);
    player.PlayCue(tone);
    player.WaitUntilIdle();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(player.Audible());
    player.PlayCue(tone);  // refused at once
  }
  {
    const Env driver("SDL_AUDIODRIVER", "dummy");
    const Env module("QUILLO_SOUND_MODULE", "/no/such/libquillo_sound.so");
    SoundThread player;
    player.PlayCue(tone);
    player.WaitUntilIdle();
    EXPECT_FALSE(player.Audible());
  }
  const Env driver("SDL_AUDIODRIVER", "dummy");
  SoundThread player;
  player.PlayCue(dir.filePath("missing.wav").toStdString());
  player.WaitUntilIdle();
  EXPECT_TRUE(player.Audible());  // a missing file opens nothing and breaks nothing
  std::ofstream(dir.filePath("broken.wav").toStdString()) << "RIFF not a wave";
  player.PlayCue(dir.filePath("broken.wav").toStdString());
  player.PlayMusic(dir.filePath("broken.wav").toStdString());
  player.PlayCue(tone);
  player.WaitUntilIdle();
  EXPECT_TRUE(player.Audible());
}

// How many 16-bit samples of the bytes are loud.
int LoudSamples(const std::vector<std::uint8_t>& samples, std::size_t from = 0) {
  int loud = 0;
  for (std::size_t i = from; i + 1 < samples.size(); i += 2)
    loud += std::abs(static_cast<std::int16_t>(samples[i] | samples[i + 1] << 8)) > 4000;
  return loud;
}

TEST(SoundThread, ACueReallyProducesSamples) {
  QTemporaryDir dir;
  const std::string tone = dir.filePath("tone.wav").toStdString();
  const std::string out = dir.filePath("out.raw").toStdString();
  WriteTone(tone);
  {
    const Env driver("SDL_AUDIODRIVER", "disk");
    const Env file("SDL_DISKAUDIOFILE", QByteArray::fromStdString(out));
    SoundThread player;
    player.PlayCue(tone);
    player.WaitUntilIdle();
    ASSERT_TRUE(player.Audible());
    std::this_thread::sleep_for(
        std::chrono::milliseconds(400));  // the disk device plays in real time
  }
  EXPECT_GT(LoudSamples(ReadFileBytes(out)), 1000);
}

TEST(SoundThread, OpeningTheDeviceLeavesInterruptAndTerminateAlone) {
  struct sigaction interruptBefore {
  }, terminateBefore{}, interruptAfter{}, terminateAfter{};
  sigaction(SIGINT, nullptr, &interruptBefore);
  sigaction(SIGTERM, nullptr, &terminateBefore);
  const Env driver("SDL_AUDIODRIVER", "dummy");
  SoundThread player;
  player.PlayCue("/no/such/cue.wav");  // opens the device
  player.WaitUntilIdle();
  ASSERT_TRUE(player.Audible());
  sigaction(SIGINT, nullptr, &interruptAfter);
  sigaction(SIGTERM, nullptr, &terminateAfter);
  EXPECT_EQ(interruptAfter.sa_handler, interruptBefore.sa_handler);
  EXPECT_EQ(terminateAfter.sa_handler, terminateBefore.sa_handler);
}

// A MIDI file of one note, a quarter of a second long.
void WriteOneNote(const std::string& path) {
  WriteFileAtomically(path,
                      std::vector<std::uint8_t>{
                          'M', 'T',  'h', 'd', 0,  0,    0,  6,  0, 0,    0,    1, 0, 96,  // header
                          'M', 'T',  'r', 'k', 0,  0,    0,  12,                           // track
                          0,   0x90, 60,  100, 48, 0x80, 60, 0,  0, 0xff, 0x2f, 0});       // notes
}

// The start-up tune is rendered into the cache once, as a wave file that
// holds the music, and found there the next time; another tune's rendering
// takes its place.
TEST(SoundThread, TheMusicIsRenderedOnceIntoTheCache) {
  QTemporaryDir dir;
  const Env cache("XDG_CACHE_HOME", dir.path().toUtf8());
  const Env driver("SDL_AUDIODRIVER", "dummy");
  const std::string tune = QUILLO_BUILD_DIR "/Resource/start.mid";
  const std::filesystem::path folder = dir.filePath("quillo").toStdString();
  auto renderings = [&] {
    std::vector<std::filesystem::path> found;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
      found.push_back(entry.path());
    return found;
  };
  auto play = [](const std::string& midi) {
    SoundThread player;
    player.PlayMusic(midi);
    player.WaitUntilIdle();
    return player.Audible();
  };
  ASSERT_TRUE(play(tune));
  const std::vector<std::filesystem::path> first = renderings();
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].extension(), ".wav");
  const std::vector<std::uint8_t> wave = ReadFileBytes(first[0].string());
  ASSERT_GT(wave.size(), 44u + 44100 * 4 * 5);  // a tune of more than five seconds
  EXPECT_EQ(std::string(wave.begin(), wave.begin() + 4), "RIFF");
  EXPECT_GT(LoudSamples(wave, 44), 10000);
  const auto written = std::filesystem::last_write_time(first[0]);
  ASSERT_TRUE(play(tune));
  EXPECT_EQ(renderings(), first);
  EXPECT_EQ(std::filesystem::last_write_time(first[0]), written);

  const std::string note = dir.filePath("note.mid").toStdString();
  WriteOneNote(note);
  ASSERT_TRUE(play(note));
  const std::vector<std::filesystem::path> second = renderings();
  ASSERT_EQ(second.size(), 1u);
  EXPECT_NE(second[0], first[0]);
  EXPECT_LT(std::filesystem::file_size(second[0]), wave.size());
}

}  // namespace
}  // namespace quillo
