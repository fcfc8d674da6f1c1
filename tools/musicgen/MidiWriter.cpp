#include "MidiWriter.h"

#include <algorithm>
#include <string>
#include <utility>

#include "base/Error.h"

namespace quillo::music {

namespace {

constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kControlChange = 0xB0;
constexpr std::uint8_t kProgramChange = 0xC0;
constexpr std::uint8_t kMetaStatus = 0xFF;
constexpr std::uint8_t kMetaTrackName = 0x03;
constexpr std::uint8_t kMetaEndOfTrack = 0x2F;
constexpr std::uint8_t kMetaTempo = 0x51;
constexpr std::uint8_t kMetaTimeSignature = 0x58;
constexpr std::uint16_t kFormat = 1;
constexpr int kClocksPerClick = 24;  // MIDI clocks in a quarter note
constexpr int kThirtySecondsPerQuarter = 8;

void AppendU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void AppendU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v >> 8));
  out.push_back(static_cast<std::uint8_t>(v));
}

void AppendTag(std::vector<std::uint8_t>& out, std::string_view tag) {
  // Byte by byte: GCC 12 warns wrongly about a range insert here.
  for (const char c : tag) out.push_back(static_cast<std::uint8_t>(c));
}

std::uint8_t Channel(int channel) {
  if (channel < 0 || channel > 15)
    throw Error("MIDI channel out of range: " + std::to_string(channel));
  return static_cast<std::uint8_t>(channel);
}

std::uint8_t DataByte(int value, const char* what) {
  if (value < 0 || value > 127)
    throw Error(std::string("MIDI ") + what + " out of range: " + std::to_string(value));
  return static_cast<std::uint8_t>(value);
}

std::uint32_t Tick(std::uint32_t tick) {
  if (tick > kMaxVarLen) throw Error("MIDI event beyond the last tick: " + std::to_string(tick));
  return tick;
}

}  // namespace

void AppendVarLen(std::vector<std::uint8_t>& out, std::uint32_t value) {
  if (value > kMaxVarLen) throw Error("MIDI variable-length quantity too large");
  int shift = 21;
  while (shift > 0 && (value >> shift) == 0) shift -= 7;
  for (; shift > 0; shift -= 7) out.push_back(static_cast<std::uint8_t>(0x80 | (value >> shift)));
  out.push_back(static_cast<std::uint8_t>(value & 0x7F));
}

std::uint32_t MicrosPerQuarter(int bpm) {
  if (bpm < 4 || bpm > 1000) throw Error("tempo out of range: " + std::to_string(bpm));
  return static_cast<std::uint32_t>(60'000'000 / bpm);
}

void MidiTrack::Add(std::uint32_t tick, bool noteEnd, std::vector<std::uint8_t> bytes) {
  events_.push_back({Tick(tick), noteEnd, std::move(bytes)});
}

void MidiTrack::Meta(std::uint32_t tick, std::uint8_t type, std::vector<std::uint8_t> data) {
  if (data.size() > kMaxVarLen) throw Error("MIDI meta event too long");
  std::vector<std::uint8_t> bytes = {kMetaStatus, type};
  AppendVarLen(bytes, static_cast<std::uint32_t>(data.size()));
  bytes.insert(bytes.end(), data.begin(), data.end());
  Add(tick, false, std::move(bytes));
}

void MidiTrack::Name(std::uint32_t tick, std::string_view name) {
  Meta(tick, kMetaTrackName, std::vector<std::uint8_t>(name.begin(), name.end()));
}

void MidiTrack::Tempo(std::uint32_t tick, std::uint32_t microsPerQuarter) {
  if (microsPerQuarter == 0 || microsPerQuarter > 0xFFFFFF)
    throw Error("MIDI tempo out of range: " + std::to_string(microsPerQuarter));
  Meta(tick, kMetaTempo,
       {static_cast<std::uint8_t>(microsPerQuarter >> 16),
        static_cast<std::uint8_t>(microsPerQuarter >> 8),
        static_cast<std::uint8_t>(microsPerQuarter)});
}

void MidiTrack::TimeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
  Meta(tick, kMetaTimeSignature,
       {DataByte(numerator, "time signature"), DataByte(denominatorPower, "time signature"),
        kClocksPerClick, kThirtySecondsPerQuarter});
}

void MidiTrack::Program(std::uint32_t tick, int channel, int program) {
  Add(tick, false,
      {static_cast<std::uint8_t>(kProgramChange | Channel(channel)), DataByte(program, "program")});
}

void MidiTrack::Control(std::uint32_t tick, int channel, int controller, int value) {
  Add(tick, false,
      {static_cast<std::uint8_t>(kControlChange | Channel(channel)),
       DataByte(controller, "controller"), DataByte(value, "controller value")});
}

void MidiTrack::Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
  if (length == 0 || length > kMaxVarLen - Tick(tick)) throw Error("MIDI note length out of range");
  if (velocity == 0) throw Error("MIDI note of velocity 0");
  const auto status = static_cast<std::uint8_t>(kNoteOn | Channel(channel));
  const std::uint8_t k = DataByte(key, "key");
  Add(tick, false, {status, k, DataByte(velocity, "velocity")});
  Add(tick + length, true, {status, k, 0});
}

void MidiTrack::EndNoEarlierThan(std::uint32_t tick) {
  end_ = std::max(end_, Tick(tick));
}

std::vector<std::uint8_t> MidiTrack::Encode() const {
  std::vector<const Event*> order;
  order.reserve(events_.size());
  for (const Event& e : events_) order.push_back(&e);
  std::stable_sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
    return a->tick != b->tick ? a->tick < b->tick : a->noteEnd && !b->noteEnd;
  });

  std::vector<std::uint8_t> body;
  std::uint32_t now = 0;
  std::uint8_t running = 0;  // the status a channel event may leave out; none after a meta event
  for (const Event* e : order) {
    AppendVarLen(body, e->tick - now);
    now = e->tick;
    const std::uint8_t status = e->bytes.front();
    const bool channelEvent = status < 0xF0;
    auto from = e->bytes.begin();
    if (channelEvent && status == running) ++from;
    body.insert(body.end(), from, e->bytes.end());
    running = channelEvent ? status : 0;
  }
  AppendVarLen(body, std::max(end_, now) - now);
  body.insert(body.end(), {kMetaStatus, kMetaEndOfTrack, 0});

  std::vector<std::uint8_t> chunk;
  chunk.reserve(8 + body.size());
  AppendTag(chunk, "MTrk");
  AppendU32(chunk, static_cast<std::uint32_t>(body.size()));
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

std::vector<std::uint8_t> EncodeMidiFile(const std::vector<MidiTrack>& tracks,
                                         std::uint16_t ticksPerQuarter) {
  // The top bit of the division would mean SMPTE frames instead.
  if (ticksPerQuarter == 0 || ticksPerQuarter > 0x7FFF)
    throw Error("MIDI division out of range: " + std::to_string(ticksPerQuarter));
  if (tracks.empty() || tracks.size() > 0xFFFF) throw Error("MIDI file needs 1 to 65535 tracks");
  std::vector<std::uint8_t> out;
  AppendTag(out, "MThd");
  AppendU32(out, 6);
  AppendU16(out, kFormat);
  AppendU16(out, static_cast<std::uint16_t>(tracks.size()));
  AppendU16(out, ticksPerQuarter);
  for (const MidiTrack& track : tracks) {
    const std::vector<std::uint8_t> chunk = track.Encode();
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

}  // namespace quillo::music
