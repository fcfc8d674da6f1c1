#pragma once
// Standard MIDI Files of format 1: a header chunk and one track chunk per
// part. A track collects events at absolute ticks; encoding orders them and
// writes delta times as variable-length quantities, channel events with
// running status, and the closing end-of-track event.
#include <cstdint>
#include <string_view>
#include <vector>

namespace quillo::music {

// The largest delta time or length a variable-length quantity holds.
inline constexpr std::uint32_t kMaxVarLen = 0x0FFFFFFF;

// Appends value as a variable-length quantity: seven bits a byte, most
// significant first, the high bit set on all but the last. Throws
// quillo::Error above kMaxVarLen.
void AppendVarLen(std::vector<std::uint8_t>& out, std::uint32_t value);

// Microseconds per quarter note at a whole number of beats per minute.
std::uint32_t MicrosPerQuarter(int bpm);

class MidiTrack {
 public:
  // Meta events.
  void Name(std::uint32_t tick, std::string_view name);
  void Tempo(std::uint32_t tick, std::uint32_t microsPerQuarter);
  // numerator / 2^denominatorPower, with a metronome click every quarter note.
  void TimeSignature(std::uint32_t tick, int numerator, int denominatorPower);

  // Channel events: channel 0 to 15, every other value 0 to 127; anything else
  // throws quillo::Error, as does a tick past kMaxVarLen.
  void Program(std::uint32_t tick, int channel, int program);
  void Control(std::uint32_t tick, int channel, int controller, int value);
  // A note sounding from tick for length ticks (at least one). Its end is a
  // note-on of velocity 0, which shares the running status of the strokes.
  void Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);

  // The end-of-track event comes no earlier than tick, so that the release of
  // the last notes is part of the piece; by default it follows the last event.
  void EndNoEarlierThan(std::uint32_t tick);

  // The track chunk: "MTrk", its length and its events. At one tick, note ends
  // come first (a key can be struck again on the tick its last note ends),
  // then the other events in the order they were added.
  std::vector<std::uint8_t> Encode() const;

 private:
  struct Event {
    std::uint32_t tick;
    bool noteEnd;
    std::vector<std::uint8_t> bytes;  // status byte first
  };
  void Add(std::uint32_t tick, bool noteEnd, std::vector<std::uint8_t> bytes);
  void Meta(std::uint32_t tick, std::uint8_t type, std::vector<std::uint8_t> data);

  std::vector<Event> events_;
  std::uint32_t end_ = 0;
};

// A whole file: the header chunk (format 1, the number of tracks, ticks per
// quarter note) and the tracks' chunks in order. The first track carries the
// tempo map by convention.
std::vector<std::uint8_t> EncodeMidiFile(const std::vector<MidiTrack>& tracks,
                                         std::uint16_t ticksPerQuarter);

}  // namespace quillo::music
