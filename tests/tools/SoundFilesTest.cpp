// The sound generator's wave cues in the build folder: every cue the program
// plays is there as the program spells it, is a short mono 16-bit PCM file
// that is audible, neither clips nor clicks, sounds like its own event, and
// comes out byte for byte the same on every run.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/ByteCursor.h"
#include "base/FileBytes.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"

namespace quillo {
namespace {

const QString kGenerator = QStringLiteral(QUILLO_BUILD_DIR "/tools/soundgen/soundgen");
constexpr std::uint32_t kRate = 44100;

std::vector<std::string> AllCues() {
  std::vector<std::string> cues;
  for (std::string_view name :
       {kStartSound, kMove1Sound, kMove2Sound, kLeftSliderSound, kRightSliderSound, kOpenSound,
        kSaveSound, kExitSound, kCancelSound})
    cues.emplace_back(name);
  cues.push_back(ClickSound(1));
  for (int n = 1; n <= kRandomSounds; ++n) cues.push_back(RandomSound(n));
  return cues;
}

struct Wave {
  std::uint16_t format = 0, channels = 0, bits = 0;
  std::uint32_t rate = 0;
  std::vector<std::int16_t> samples;

  double Seconds() const { return static_cast<double>(samples.size()) / rate; }
};

// Reads the chunks a player reads; throws quillo::Error when they run short.
Wave ParseWave(const std::vector<std::uint8_t>& bytes) {
  ByteReader in(bytes, "damaged wave file");
  Wave w;
  EXPECT_EQ(in.U32(), 0x46464952u);  // "RIFF"
  EXPECT_EQ(in.U32(), bytes.size() - 8);
  EXPECT_EQ(in.U32(), 0x45564157u);  // "WAVE"
  bool data = false;
  while (in.Remaining() > 0) {
    const std::uint32_t id = in.U32(), size = in.U32();
    const std::size_t next = in.Position() + size;
    if (id == 0x20746d66u) {  // "fmt "
      w.format = in.U16();
      w.channels = in.U16();
      w.rate = in.U32();
      EXPECT_EQ(in.U32(), w.rate * 2);  // bytes per second
      EXPECT_EQ(in.U16(), 2);           // bytes per sample frame
      w.bits = in.U16();
    } else if (id == 0x61746164u) {  // "data"
      data = true;
      for (std::uint32_t i = 0; i < size / 2; ++i) w.samples.push_back(in.S16());
    }
    in.Seek(next);
  }
  EXPECT_TRUE(data) << "no data chunk";
  return w;
}

Wave ReadCue(const std::string& name) {
  return ParseWave(ReadFileBytes(ResolveIn(std::string(QUILLO_BUILD_DIR) + "/", name)));
}

double Db(double level) {
  return 20 * std::log10(level / 32768);
}

double PeakDbfs(const std::vector<std::int16_t>& s) {
  int peak = 0;
  for (std::int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
  return Db(peak);
}

double Rms(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
  double sum = 0;
  for (std::size_t i = from; i < to; ++i) sum += static_cast<double>(s[i]) * s[i];
  return std::sqrt(sum / static_cast<double>(to - from));
}

// Sign changes per millisecond: rises with the pitch of a tone and with the
// band of a noise.
double CrossingsPerMs(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
  int crossings = 0;
  for (std::size_t i = from + 1; i < to; ++i) crossings += (s[i - 1] < 0) != (s[i] < 0);
  return crossings * (kRate / 1000.0) / static_cast<double>(to - from);
}

// How far apart two cues sound, on a rough scale: over eighths of each cue,
// the mean difference of their loudness shares and their crossing rates.
double Distance(const std::vector<std::int16_t>& a, const std::vector<std::int16_t>& b) {
  constexpr int kParts = 8;
  const double rmsA = Rms(a, 0, a.size()), rmsB = Rms(b, 0, b.size());
  double sum = 0;
  for (int k = 0; k < kParts; ++k) {
    const std::size_t a0 = a.size() * k / kParts, a1 = a.size() * (k + 1) / kParts;
    const std::size_t b0 = b.size() * k / kParts, b1 = b.size() * (k + 1) / kParts;
    sum += std::abs(Rms(a, a0, a1) / rmsA - Rms(b, b0, b1) / rmsB) +
           std::abs(CrossingsPerMs(a, a0, a1) - CrossingsPerMs(b, b0, b1));
  }
  return sum / kParts;
}

TEST(SoundFiles, EveryCueIsShortMonoPcmAtTheProgramsRate) {
  for (const std::string& name : AllCues()) {
    SCOPED_TRACE(name);
    const Wave w = ReadCue(name);
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, kRate);
    EXPECT_EQ(w.bits, 16);
    EXPECT_GE(w.Seconds(), 0.1);
    EXPECT_LE(w.Seconds(), 1.5);
  }
}

TEST(SoundFiles, EveryCueIsAudibleAndNeitherClipsNorClicks) {
  for (const std::string& name : AllCues()) {
    SCOPED_TRACE(name);
    const Wave w = ReadCue(name);
    ASSERT_FALSE(w.samples.empty());
    EXPECT_GE(PeakDbfs(w.samples), -12.0);
    EXPECT_LE(PeakDbfs(w.samples), -1.0);
    EXPECT_GT(Db(Rms(w.samples, 0, w.samples.size())), -40.0);
    // A cue that starts or stops away from zero pops in the speaker.
    EXPECT_LT(std::abs(w.samples.front()), 300);
    EXPECT_LT(std::abs(w.samples.back()), 300);
  }
}

TEST(SoundFiles, EachCueSoundsLikeItsEvent) {
  const Wave left = ReadCue(std::string(kLeftSliderSound));
  const Wave right = ReadCue(std::string(kRightSliderSound));
  EXPECT_GT(CrossingsPerMs(right.samples, 0, right.samples.size()),
            1.2 * CrossingsPerMs(left.samples, 0, left.samples.size()))
      << "the sliders' ticks should differ in pitch";
  // Where a slide's sound is loud, its band rises for move2 and falls for move1.
  const auto sweep = [](const Wave& w) {
    const std::size_t n = w.samples.size();
    return CrossingsPerMs(w.samples, n * 3 / 8, n / 2) - CrossingsPerMs(w.samples, n / 8, n / 4);
  };
  EXPECT_LT(sweep(ReadCue(std::string(kMove1Sound))), -1.0);
  EXPECT_GT(sweep(ReadCue(std::string(kMove2Sound))), 1.0);
  // Presses and ticks are over at once.
  EXPECT_LE(ReadCue(ClickSound(1)).Seconds(), 0.2);
  EXPECT_LE(left.Seconds(), 0.2);
}

TEST(SoundFiles, NoTwoCuesAreTheSameAndTheHoverCuesSoundApart) {
  const std::vector<std::string> names = AllCues();
  std::vector<Wave> waves;
  for (const std::string& name : names) waves.push_back(ReadCue(name));
  for (std::size_t i = 0; i < waves.size(); ++i)
    for (std::size_t j = i + 1; j < waves.size(); ++j)
      EXPECT_NE(waves[i].samples, waves[j].samples) << names[i] << " and " << names[j];
  std::vector<std::vector<std::int16_t>> hover;
  for (int n = 1; n <= kRandomSounds; ++n) hover.push_back(ReadCue(RandomSound(n)).samples);
  for (std::size_t i = 0; i < hover.size(); ++i)
    for (std::size_t j = i + 1; j < hover.size(); ++j)
      EXPECT_GT(Distance(hover[i], hover[j]), 0.15)
          << RandomSound(static_cast<int>(i) + 1) << " sounds like "
          << RandomSound(static_cast<int>(j) + 1);
}

int RunGenerator(const QStringList& args, QByteArray* errors = nullptr) {
  QProcess run;
  run.start(kGenerator, args);
  if (!run.waitForFinished(60000) || run.exitStatus() != QProcess::NormalExit) return -1;
  if (errors) *errors = run.readAllStandardError();
  return run.exitCode();
}

TEST(SoundGenerator, WritesTheSameBytesOnEveryRun) {
  QTemporaryDir first, second;
  ASSERT_TRUE(first.isValid() && second.isValid());
  ASSERT_EQ(RunGenerator({first.path()}), 0);
  ASSERT_EQ(RunGenerator({second.path()}), 0);
  for (const std::string& name : AllCues()) {
    const auto a = ReadFileBytes(GeneratedFilePath(first.path().toStdString(), name));
    const auto b = ReadFileBytes(GeneratedFilePath(second.path().toStdString(), name));
    EXPECT_FALSE(a.empty()) << name;
    EXPECT_TRUE(a == b) << name << " differs between two runs";
    EXPECT_TRUE(a == ReadFileBytes(ResolveIn(std::string(QUILLO_BUILD_DIR) + "/", name)))
        << name << " differs from the build's copy";
  }
}

TEST(SoundGenerator, FailsWithAMessageWhenItCannotWrite) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // The output folder's Resource is taken by a file.
  const std::string blocker = dir.path().toStdString() + "/Resource";
  WriteFileAtomically(blocker, std::vector<std::uint8_t>{1});
  QByteArray errors;
  EXPECT_EQ(RunGenerator({dir.path()}, &errors), 1);
  EXPECT_TRUE(errors.startsWith("soundgen: ")) << errors.toStdString();
  EXPECT_EQ(RunGenerator({}), 2);
}

}  // namespace
}  // namespace quillo
