// The synthesiser module: FluidSynth renders a MIDI file into a wave file
// (media/sound/SynthTable.h).
#include <fluidsynth.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "base/ByteCursor.h"
#include "base/Error.h"
#include "base/FileBytes.h"
#include "media/sound/SynthTable.h"

namespace quillo::sound {

namespace {

constexpr int kBlock = 1024;                        // frames rendered at a time
constexpr int kTailFrames = kMusicRate * 3 / 2;     // the reverberation after the last note
constexpr long kMaxFrames = 10L * 60 * kMusicRate;  // no tune runs longer than ten minutes
// SDL_mixer plays MIDI through FluidSynth at this gain at full music volume,
// the loudness the tune was made for; FluidSynth's own default, 0.2, would
// be five times softer than the cues.
constexpr double kGain = 1.2;

template <class T, void (*Free)(T*)>
using Owned = std::unique_ptr<T, decltype([](T* p) { Free(p); })>;

void Quiet(int, const char*, void*) {}

// The wave file's bytes.
std::vector<std::uint8_t> WaveFile(const std::vector<std::int16_t>& samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  ByteWriter w;
  w.Reserve(44 + dataBytes);
  w.Bytes(std::vector<std::uint8_t>{'R', 'I', 'F', 'F'});
  w.U32(36 + dataBytes);
  w.Bytes(std::vector<std::uint8_t>{'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  w.U32(16);
  w.U16(1);  // PCM
  w.U16(kMusicChannels);
  w.U32(kMusicRate);
  w.U32(kMusicRate * kMusicChannels * 2);
  w.U16(kMusicChannels * 2);
  w.U16(16);
  w.Bytes(std::vector<std::uint8_t>{'d', 'a', 't', 'a'});
  w.U32(dataBytes);
  for (std::int16_t sample : samples) w.U16(static_cast<std::uint16_t>(sample));
  return std::move(w).Take();
}

bool Render(const std::string& midi, const std::string& soundfont, const std::string& out) {
  for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
    fluid_set_log_function(level, Quiet, nullptr);
  const Owned<fluid_settings_t, delete_fluid_settings> settings(new_fluid_settings());
  if (!settings) return false;
  fluid_settings_setnum(settings.get(), "synth.sample-rate", kMusicRate);
  fluid_settings_setnum(settings.get(), "synth.gain", kGain);
  const Owned<fluid_synth_t, delete_fluid_synth> synth(new_fluid_synth(settings.get()));
  if (!synth || fluid_synth_sfload(synth.get(), soundfont.c_str(), 1) == FLUID_FAILED) return false;
  const Owned<fluid_player_t, delete_fluid_player> player(new_fluid_player(synth.get()));
  if (!player || fluid_player_add(player.get(), midi.c_str()) != FLUID_OK ||
      fluid_player_play(player.get()) != FLUID_OK)
    return false;
  std::vector<std::int16_t> samples;
  std::int16_t block[kBlock * kMusicChannels];
  long frames = 0, tail = 0;
  while (tail < kTailFrames && frames < kMaxFrames) {
    if (fluid_synth_write_s16(synth.get(), kBlock, block, 0, 2, block, 1, 2) != FLUID_OK)
      return false;
    samples.insert(samples.end(), block, block + kBlock * kMusicChannels);
    frames += kBlock;
    if (fluid_player_get_status(player.get()) != FLUID_PLAYER_PLAYING) tail += kBlock;
  }
  try {
    WriteFileAtomically(out, WaveFile(samples));
  } catch (const Error&) {
    return false;
  }
  return true;
}

}  // namespace

}  // namespace quillo::sound

extern "C" const void* quillo_synth_table() {
  static const quillo::sound::SynthTable table{.render = quillo::sound::Render};
  return &table;
}
