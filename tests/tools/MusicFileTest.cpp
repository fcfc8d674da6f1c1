// The music generator: its MIDI writer byte for byte, and the start-up tune it
// writes into the build folder: a well-formed Standard MIDI File of about half
// a minute with drums and at least two other parts, ending on a chord that
// rings out, the same bytes on every run, and audible through the program's
// player.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "base/ByteCursor.h"
#include "base/Error.h"
#include "base/FileBytes.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "media/SoundThread.h"

#include "MidiWriter.h"
#include "support/ScopedEnv.h"

namespace quillo {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string StartMusicPath() {
  return ResolveIn(std::string(QUILLO_BUILD_DIR) + "/", kStartMusic);
}

TEST(MusicMidiWriter, WritesAHandCheckedFile) {
  music::MidiTrack track;
  track.Tempo(0, music::MicrosPerQuarter(120));
  track.Control(0, 0, 7, 100);
  track.Control(127, 0, 10, 64);   // running status
  track.Note(265, 10, 9, 36, 90);  // added first, struck where the next one ends
  track.Note(255, 10, 9, 36, 100);
  track.Control(275 + 0x3FFF, 0, 7, 90);
  track.Name(275 + 0x3FFF + 0x200000, "x");
  track.Control(275 + 0x3FFF + 0x200000, 0, 7, 91);  // a meta event ends running status
  const Bytes expected = {'M',  'T',  'h',  'd',  0,    0,    0,    6,
                          0,    1,    0,    1,    0x01, 0xE0,            // format 1, 1 track, 480
                          'M',  'T',  'r',  'k',  0,    0,    0,    49,  //
                          0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,      // tempo 500000 us
                          0x00, 0xB0, 0x07, 0x64,                        //
                          0x7F, 0x0A, 0x40,                              // delta 127
                          0x81, 0x00, 0x99, 0x24, 0x64,                  // delta 128
                          0x0A, 0x24, 0x00,                              // the first note ends...
                          0x00, 0x24, 0x5A,              // ...before the second starts
                          0x0A, 0x24, 0x00,              //
                          0xFF, 0x7F, 0xB0, 0x07, 0x5A,  // delta 0x3FFF
                          0x81, 0x80, 0x80, 0x00, 0xFF, 0x03, 0x01, 'x',  // delta 0x200000
                          0x00, 0xB0, 0x07, 0x5B,                         //
                          0x00, 0xFF, 0x2F, 0x00};                        // end of track
  EXPECT_EQ(music::EncodeMidiFile({track}, 480), expected);

  Bytes largest;
  music::AppendVarLen(largest, 0x0FFFFFFF);
  EXPECT_EQ(largest, (Bytes{0xFF, 0xFF, 0xFF, 0x7F}));
  EXPECT_THROW(music::AppendVarLen(largest, 0x10000000), Error);
  EXPECT_THROW(track.Note(0, 10, 16, 60, 100), Error);
  EXPECT_THROW(track.Note(0, 10, 0, 128, 100), Error);
}

// What a sequencer needs of a Standard MIDI File, read with every length checked.
struct Song {
  int format = -1;
  std::uint16_t division = 0;
  int tracks = 0;
  std::uint32_t endTick = 0;                     // the latest end-of-track
  std::map<std::uint32_t, std::uint32_t> tempo;  // tick -> microseconds per quarter
  std::set<int> noteChannels;
  std::uint32_t lastStrike = 0, lastRelease = 0;
  int keysOfLastStrike = 0;
  int hanging = 0;  // notes never ended

  double Seconds(std::uint32_t tick) const {
    double seconds = 0;
    std::uint32_t from = 0, micros = 500000;
    for (auto [at, next] : tempo) {
      if (at >= tick) break;
      seconds += (at - from) * 1e-6 * micros / division;
      from = at;
      micros = next;
    }
    return seconds + (tick - from) * 1e-6 * micros / division;
  }
};

std::uint32_t BigEndian(ByteReader& in, int count) {
  std::uint32_t v = 0;
  for (int i = 0; i < count; ++i) v = v << 8 | in.U8();
  return v;
}

std::uint32_t VarLen(ByteReader& in) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) {
    const std::uint8_t b = in.U8();
    v = v << 7 | (b & 0x7F);
    if (!(b & 0x80)) return v;
  }
  throw Error("variable-length quantity over four bytes");
}

void ReadTrack(ByteReader& in, std::size_t end, Song& song) {
  std::uint32_t tick = 0;
  std::uint8_t running = 0;
  std::map<int, int> sounding;  // channel * 128 + key -> strokes not yet ended
  bool ended = false;
  while (!ended) {
    ASSERT_LT(in.Position(), end) << "track runs past its chunk without an end";
    tick += VarLen(in);
    std::uint8_t first = in.U8();
    if (first == 0xFF) {
      const std::uint8_t type = in.U8();
      const std::uint32_t length = VarLen(in);
      if (type == 0x51) {
        ASSERT_EQ(length, 3u);
        song.tempo[tick] = BigEndian(in, 3);
      } else {
        in.Skip(length);
      }
      ended = type == 0x2F;
      running = 0;
      continue;
    }
    ASSERT_TRUE(first < 0xF0) << "system exclusive or real-time byte in a track";
    const std::uint8_t status = first & 0x80 ? first : running;
    ASSERT_NE(status, 0) << "data byte without a status at tick " << tick;
    running = status;
    const int kind = status >> 4, channel = status & 0x0F;
    const int data = kind == 0xC || kind == 0xD ? 1 : 2;
    std::uint8_t bytes[2] = {};
    for (int i = 0; i < data; ++i) {
      bytes[i] = i == 0 && !(first & 0x80) ? first : in.U8();
      ASSERT_LT(bytes[i], 0x80);
    }
    const int note = channel * 128 + bytes[0];
    if (kind == 0x9 && bytes[1] > 0) {
      ++sounding[note];
      song.noteChannels.insert(channel);
      if (tick > song.lastStrike) song.keysOfLastStrike = 0;
      if (tick >= song.lastStrike) ++song.keysOfLastStrike;
      song.lastStrike = std::max(song.lastStrike, tick);
    } else if (kind == 0x8 || kind == 0x9) {
      EXPECT_GT(sounding[note], 0) << "a note ends that never began, tick " << tick;
      --sounding[note];
      song.lastRelease = std::max(song.lastRelease, tick);
    }
  }
  EXPECT_EQ(in.Position(), end) << "bytes after the end of the track";
  for (auto [note, count] : sounding) song.hanging += count;
  song.endTick = std::max(song.endTick, tick);
}

Song ReadSong(const Bytes& bytes) {
  ByteReader in(bytes, "MIDI file runs short");
  Song song;
  EXPECT_EQ(BigEndian(in, 4), 0x4D546864u);  // "MThd"
  EXPECT_EQ(BigEndian(in, 4), 6u);
  song.format = static_cast<int>(BigEndian(in, 2));
  const std::uint32_t tracks = BigEndian(in, 2);
  song.division = static_cast<std::uint16_t>(BigEndian(in, 2));
  EXPECT_TRUE(song.division > 0 && song.division < 0x8000) << "ticks per quarter note";
  while (in.Remaining() > 0) {
    EXPECT_EQ(BigEndian(in, 4), 0x4D54726Bu);  // "MTrk"
    const std::size_t length = BigEndian(in, 4);
    const std::size_t end = in.Position() + length;
    ReadTrack(in, end, song);
    in.Seek(end);
    ++song.tracks;
  }
  EXPECT_EQ(static_cast<std::uint32_t>(song.tracks), tracks);
  return song;
}

TEST(MusicStartFile, IsAHalfMinuteTuneWithDrumsThatEndsOnARingingChord) {
  const Song song = ReadSong(ReadFileBytes(StartMusicPath()));
  EXPECT_EQ(song.format, 1);
  EXPECT_GE(song.tracks, 4);
  EXPECT_EQ(song.hanging, 0);
  const double seconds = song.Seconds(song.endTick);
  EXPECT_GE(seconds, 20.0);
  EXPECT_LE(seconds, 40.0);
  EXPECT_TRUE(song.noteChannels.count(9)) << "no drums on channel 10";
  EXPECT_GE(song.noteChannels.size(), 3u);
  EXPECT_GE(song.keysOfLastStrike, 3) << "the tune should end on a chord";
  EXPECT_GE(song.Seconds(song.lastRelease) - song.Seconds(song.lastStrike), 1.0);
  EXPECT_GE(seconds - song.Seconds(song.lastRelease), 0.3) << "the final chord is cut off";
}

int RunGenerator(const QStringList& args, QByteArray* errors = nullptr) {
  QProcess run;
  run.start(QStringLiteral(QUILLO_BUILD_DIR "/tools/musicgen/musicgen"), args);
  if (!run.waitForFinished(60000) || run.exitStatus() != QProcess::NormalExit) return -1;
  if (errors) *errors = run.readAllStandardError();
  return run.exitCode();
}

TEST(MusicGenerator, WritesTheSameBytesOnEveryRunAndFailsAloud) {
  QTemporaryDir first, second;
  ASSERT_TRUE(first.isValid() && second.isValid());
  ASSERT_EQ(RunGenerator({first.path()}), 0);
  ASSERT_EQ(RunGenerator({second.path()}), 0);
  const Bytes a = ReadFileBytes(GeneratedFilePath(first.path().toStdString(), kStartMusic));
  EXPECT_TRUE(a == ReadFileBytes(GeneratedFilePath(second.path().toStdString(), kStartMusic)));
  EXPECT_TRUE(a == ReadFileBytes(StartMusicPath())) << "differs from the build's copy";

  // The output folder's Resource is taken by a file.
  QTemporaryDir blocked;
  WriteFileAtomically(blocked.path().toStdString() + "/Resource", Bytes{1});
  QByteArray errors;
  EXPECT_EQ(RunGenerator({blocked.path()}, &errors), 1);
  EXPECT_TRUE(errors.startsWith("musicgen: ")) << errors.toStdString();
}

using Env = testing::ScopedEnv;

// FluidSynth renders the MIDI file with the system's General MIDI soundfont
// and the sound module plays the rendering; the disk driver writes what it plays,
// in real time.
TEST(MusicStartFile, SoundsThroughTheProgramsPlayer) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string out = dir.filePath("out.raw").toStdString();
  {
    const Env driver("SDL_AUDIODRIVER", "disk");
    const Env file("SDL_DISKAUDIOFILE", QByteArray::fromStdString(out));
    const Env cache("XDG_CACHE_HOME", dir.path().toUtf8());
    SoundThread player;
    player.PlayMusic(StartMusicPath());
    player.WaitUntilIdle();
    ASSERT_TRUE(player.Audible());
    std::this_thread::sleep_for(std::chrono::milliseconds(2000));
  }
  const Bytes samples = ReadFileBytes(out);
  int loud = 0;
  for (std::size_t i = 0; i + 1 < samples.size(); i += 2)
    loud += std::abs(static_cast<std::int16_t>(samples[i] | samples[i + 1] << 8)) > 1000;
  EXPECT_GT(loud, 10000) << "the music is silent: is a General MIDI soundfont installed?";
}

}  // namespace
}  // namespace quillo
