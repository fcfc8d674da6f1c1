#pragma once
// The start-up tune: a cheerful half minute of General MIDI in C major at 128
// beats a minute. A glockenspiel sings the melody (a marimba joins it an
// octave below in the second half), a piano bounces on the off-beats over a
// soft pad, a fingered bass jumps between root, fifth and octave, and the
// drums keep a kick, snare and hi-hat groove on channel 10. The last bar
// slows down into a held final chord.
#include <cstdint>
#include <vector>

#include "MidiWriter.h"

namespace quillo::music {

inline constexpr std::uint16_t kTicksPerQuarter = 480;

// The tracks of the file: the tempo map first, then one track per part.
std::vector<MidiTrack> StartTune();

}  // namespace quillo::music
