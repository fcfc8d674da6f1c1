#include "Tune.h"

#include <array>
#include <string>
#include <string_view>

#include "Notation.h"
#include "base/Error.h"

namespace quillo::music {

namespace {

constexpr std::uint32_t kStep = kTicksPerQuarter / 4;  // a sixteenth note
constexpr int kStepsPerBar = 16;
constexpr int kHalfBar = kStepsPerBar / 2;
constexpr int kBars = 16;  // the last one holds the final chord
constexpr int kLastBar = kBars - 1;
constexpr int kSecondHalf = 8;  // the bar where the tune's second half begins

constexpr std::uint32_t At(int bar, int step) {
  return static_cast<std::uint32_t>(bar * kStepsPerBar + step) * kStep;
}

// General MIDI controllers.
constexpr int kVolume = 7;
constexpr int kPan = 10;
constexpr int kReverb = 91;

struct Part {
  std::string_view name;
  int channel;
  int program;  // General MIDI, counted from 0
  int volume, pan, reverb;
};

constexpr Part kGlockenspiel{"Glockenspiel", 0, 9, 76, 76, 50};
constexpr Part kMarimba{"Marimba", 1, 12, 68, 52, 40};
constexpr Part kPiano{"Piano", 2, 0, 60, 44, 40};
constexpr Part kPad{"Pad", 3, 89, 42, 64, 70};
constexpr Part kBass{"Bass", 4, 33, 78, 64, 20};
constexpr Part kDrums{"Drums", 9, 0, 76, 64, 30};  // channel 10, program ignored

// The melody, a bar a line.
constexpr std::array<std::string_view, kBars> kMelody = {
    "C5:4 E5:2 G5:2 C6:4 G5:4",       // C
    "A5:4 G5:2 E5:2 C5:4 E5:4",       // Am
    "F5:2 G5:2 A5:4 C6:2 A5:2 F5:4",  // F
    "G5:6 F5:2 E5:4 D5:4",            // G
    "C5:4 E5:2 G5:2 C6:4 E6:4",       // C
    "D6:2 C6:2 A5:4 E5:4 A5:4",       // Am
    "F5:4 A5:4 B5:4 D6:4",            // Dm G
    "C6:8 G5:2 A5:2 B5:4",            // C
    "C6:4 A5:2 C6:2 F5:4 A5:4",       // F
    "B5:4 G5:2 B5:2 D6:4 B5:4",       // G
    "G5:2 A5:2 B5:2 G5:2 E5:4 G5:4",  // Em
    "A5:2 B5:2 C6:2 A5:2 E5:6 r:2",   // Am
    "F5:2 A5:2 C6:2 F6:2 E6:4 C6:4",  // F
    "D6:2 B5:2 G5:2 B5:2 D6:4 B5:4",  // G
    "C6:4 E6:4 D6:2 C6:2 B5:2 D6:2",  // C/G G7
    "C6:12 r:4",                      // C, the final chord
};

// Two chords a bar.
constexpr std::array<std::string_view, 2 * kBars> kChords = {
    "C", "C", "Am", "Am", "F",  "F",  "G",  "G",  "C", "C", "Am", "Am", "Dm",  "G",  "C", "C",
    "F", "F", "G",  "G",  "Em", "Em", "Am", "Am", "F", "F", "G",  "G",  "C/G", "G7", "C", "C"};

struct ChordShape {
  std::string_view name;
  std::string_view bass;     // the bass line's root
  std::string_view voicing;  // the piano's and the pad's keys
};

constexpr ChordShape kShapes[] = {
    {"C", "C2", "C4 E4 G4"},     {"Am", "A2", "C4 E4 A4"},  {"F", "F2", "C4 F4 A4"},
    {"G", "G2", "B3 D4 G4"},     {"Dm", "D2", "D4 F4 A4"},  {"Em", "E2", "B3 E4 G4"},
    {"G7", "G2", "B3 D4 F4 G4"}, {"C/G", "G2", "C4 E4 G4"},
};

// The final chord, struck on the last bar's downbeat and held for three beats.
constexpr int kFinalSteps = 12;
constexpr std::string_view kFinalPiano = "C3 G3 C4 E4 G4 C5";
constexpr std::string_view kFinalPad = "C4 E4 G4 C5";
constexpr std::string_view kFinalBass = "C2";

const ChordShape& Shape(std::string_view name) {
  for (const ChordShape& shape : kShapes)
    if (shape.name == name) return shape;
  throw Error("no chord named " + std::string(name) + " in the note tables");
}

// A fresh track for a part: its name, instrument and mix.
MidiTrack Track(const Part& part) {
  MidiTrack track;
  track.Name(0, part.name);
  if (part.channel != kDrums.channel) track.Program(0, part.channel, part.program);
  track.Control(0, part.channel, kVolume, part.volume);
  track.Control(0, part.channel, kPan, part.pan);
  track.Control(0, part.channel, kReverb, part.reverb);
  return track;
}

void Chord(MidiTrack& track, std::uint32_t tick, std::uint32_t length, int channel,
           std::string_view keys, int velocity) {
  for (int key : ParseKeys(keys)) track.Note(tick, length, channel, key, velocity);
}

MidiTrack Conductor() {
  MidiTrack track;
  track.Name(0, "Quillo");
  track.TimeSignature(0, 4, 2);
  track.Tempo(0, MicrosPerQuarter(128));
  // The ritardando into the final chord.
  track.Tempo(At(kLastBar - 1, 8), MicrosPerQuarter(120));
  track.Tempo(At(kLastBar - 1, 12), MicrosPerQuarter(108));
  track.Tempo(At(kLastBar, 0), MicrosPerQuarter(96));
  return track;
}

// The melody from firstBar on, shifted by octaves, louder on the beats.
MidiTrack Melody(const Part& part, int firstBar, int octaves, int onBeat, int offBeat) {
  MidiTrack track = Track(part);
  for (int bar = firstBar; bar < kBars; ++bar) {
    int step = 0;
    for (const Step& s : ParseSteps(kMelody[bar])) {
      if (s.key != kRest) {
        // Each note lets go a little early, so that repeated keys are struck anew.
        track.Note(At(bar, step), s.length * kStep - kStep / 8, part.channel, s.key + 12 * octaves,
                   step % 4 == 0 ? onBeat : offBeat);
      }
      step += s.length;
    }
    if (step != kStepsPerBar)
      throw Error("melody bar " + std::to_string(bar + 1) + " has " + std::to_string(step) +
                  " sixteenths");
  }
  return track;
}

// Short chords on the off-beat of every beat.
MidiTrack Piano() {
  MidiTrack track = Track(kPiano);
  for (int bar = 0; bar < kLastBar; ++bar)
    for (int step = 2; step < kStepsPerBar; step += 4) {
      const ChordShape& shape = Shape(kChords[2 * bar + step / kHalfBar]);
      Chord(track, At(bar, step), kStep * 3 / 2, kPiano.channel, shape.voicing, 72);
    }
  Chord(track, At(kLastBar, 0), kFinalSteps * kStep, kPiano.channel, kFinalPiano, 88);
  return track;
}

// Sustained chords, a repeated chord held on.
MidiTrack Pad() {
  MidiTrack track = Track(kPad);
  int half = 0;
  while (half < 2 * kLastBar) {
    int end = half + 1;
    while (end < 2 * kLastBar && kChords[end] == kChords[half]) ++end;
    Chord(track, At(0, half * kHalfBar), (end - half) * kHalfBar * kStep, kPad.channel,
          Shape(kChords[half]).voicing, 60);
    half = end;
  }
  Chord(track, At(kLastBar, 0), kFinalSteps * kStep, kPad.channel, kFinalPad, 70);
  return track;
}

// Root, octave, fifth, octave in detached eighths, every half bar.
MidiTrack Bass() {
  constexpr int kIntervals[] = {0, 12, 7, 12};
  constexpr int kVelocities[] = {108, 84, 96, 84};
  MidiTrack track = Track(kBass);
  for (int half = 0; half < 2 * kLastBar; ++half) {
    const int root = KeyNumber(Shape(kChords[half]).bass);
    for (int i = 0; i < 4; ++i)
      track.Note(At(0, half * kHalfBar + 2 * i), kStep * 3 / 2, kBass.channel, root + kIntervals[i],
                 kVelocities[i]);
  }
  Chord(track, At(kLastBar, 0), kFinalSteps * kStep, kBass.channel, kFinalBass, 110);
  return track;
}

// General MIDI drum keys.
constexpr int kKick = 36, kSnare = 38, kClap = 39, kClosedHat = 42, kOpenHat = 46, kCrash = 49;
constexpr int kLowTom = 45, kMidTom = 47, kHighMidTom = 48, kHighTom = 50;

struct DrumLine {
  int key;
  int loud, soft;  // velocities of 'X' and 'x'
  std::string_view hits;
};

using Pattern = std::vector<DrumLine>;

const Pattern kGroove = {
    {kKick, 112, 92, "X.......X.x....."},
    {kSnare, 100, 72, "....X.......X..."},
    {kClap, 72, 56, "....x.......x..."},
    {kClosedHat, 84, 58, "X.x.X.x.X.x.X.x."},
};
// Every other bar the last off-beat opens the hi-hat.
const Pattern kGrooveOpen = {
    {kKick, 112, 92, "X.......X.x....."},   {kSnare, 100, 72, "....X.......X..."},
    {kClap, 72, 56, "....x.......x..."},    {kClosedHat, 84, 58, "X.x.X.x.X.x.X..."},
    {kOpenHat, 76, 60, "..............x."},
};
// The end of the first half: the toms roll down.
const Pattern kTomFill = {
    {kKick, 112, 92, "X.......X......."},       {kSnare, 100, 72, "....X..........."},
    {kClosedHat, 84, 58, "X.x.X.x.X.x....."},   {kHighTom, 100, 80, "............X..."},
    {kHighMidTom, 100, 80, ".............X.."}, {kMidTom, 100, 80, "..............X."},
    {kLowTom, 100, 80, "...............X"},
};
// Into the final chord: the snare builds up.
const Pattern kSnareFill = {
    {kKick, 112, 92, "X.......X......."},
    {kSnare, 104, 70, "....X.......xxXX"},
    {kClosedHat, 84, 58, "X.x.X.x.X.x....."},
};
const Pattern kFinal = {
    {kKick, 116, 0, "X..............."},
    {kCrash, 110, 0, "X..............."},
};
const Pattern kCrashOnOne = {{kCrash, 100, 0, "X..............."}};

void Drums(MidiTrack& track, int bar, const Pattern& pattern) {
  for (const DrumLine& line : pattern) {
    const std::vector<Hit> hits = ParseHits(line.hits);
    if (hits.size() != kStepsPerBar) throw Error("drum line of the wrong length in the tables");
    for (int step = 0; step < kStepsPerBar; ++step)
      if (hits[step] != Hit::None)
        track.Note(At(bar, step), kStep, kDrums.channel, line.key,
                   hits[step] == Hit::Loud ? line.loud : line.soft);
  }
}

MidiTrack Drums() {
  MidiTrack track = Track(kDrums);
  for (int bar = 0; bar < kBars; ++bar) {
    if (bar == 0 || bar == kSecondHalf) Drums(track, bar, kCrashOnOne);
    if (bar == kLastBar)
      Drums(track, bar, kFinal);
    else if (bar == kLastBar - 1)
      Drums(track, bar, kSnareFill);
    else if (bar == kSecondHalf - 1)
      Drums(track, bar, kTomFill);
    else
      Drums(track, bar, bar % 2 == 1 ? kGrooveOpen : kGroove);
  }
  return track;
}

}  // namespace

std::vector<MidiTrack> StartTune() {
  std::vector<MidiTrack> tracks = {
      Conductor(),
      Melody(kGlockenspiel, 0, 0, 104, 90),
      Melody(kMarimba, kSecondHalf, -1, 84, 72),
      Piano(),
      Pad(),
      Bass(),
      Drums(),
  };
  // Every track ends together, after the final chord has rung out.
  for (MidiTrack& track : tracks) track.EndNoEarlierThan(At(kBars, 0));
  return tracks;
}

}  // namespace quillo::music
