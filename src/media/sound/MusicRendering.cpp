#include "MusicRendering.h"

#include <SDL_mixer.h>
#include <fluidsynth.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "base/ByteCursor.h"
#include "base/ChildProcess.h"
#include "base/Error.h"
#include "base/FileBytes.h"

namespace quillo::sound {

namespace {

constexpr int kRate = 44100;
constexpr int kBlock = 1024;                   // frames rendered at a time
constexpr int kTailFrames = kRate * 3 / 2;     // the reverberation after the last note
constexpr long kMaxFrames = 10L * 60 * kRate;  // no tune runs longer than ten minutes
constexpr std::size_t kMaxMidiBytes = 4u << 20;
constexpr auto kRenderTimeLimit = std::chrono::seconds(60);
constexpr double kGain = 1.2;
constexpr const char* kFormat = "quillo music 1";

// FNV-1a, 64 bits: a name for the inputs, not a guard against anyone.
void Mix(std::uint64_t& hash, std::span<const std::uint8_t> bytes) {
  for (std::uint8_t b : bytes) hash = (hash ^ b) * 0x100000001b3ull;
}
void Mix(std::uint64_t& hash, const std::string& text) {
  Mix(hash, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size() + 1));
}

// The soundfont SDL_mixer plays MIDI with: the first of those it was given
// that exists, else FluidSynth's default; empty when there is none.
std::string Soundfont() {
  if (const char* fonts = Mix_GetSoundFonts()) {
    std::string list = fonts;
    for (std::size_t at = 0; at <= list.size();) {
      const std::size_t end = list.find_first_of(";:", at);
      const std::string path = list.substr(at, end == std::string::npos ? end : end - at);
      std::error_code ignored;
      if (!path.empty() && std::filesystem::is_regular_file(path, ignored)) return path;
      if (end == std::string::npos) break;
      at = end + 1;
    }
  }
  std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings(
      new_fluid_settings(), delete_fluid_settings);
  char* path = nullptr;
  if (!settings ||
      fluid_settings_dupstr(settings.get(), "synth.default-soundfont", &path) != FLUID_OK || !path)
    return {};
  std::string font = path;
  fluid_free(path);
  std::error_code ignored;
  return std::filesystem::is_regular_file(font, ignored) ? font : std::string();
}

// The wave file's bytes: 16-bit stereo at 44.1 kHz.
std::vector<std::uint8_t> WaveFile(const std::vector<std::int16_t>& samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  ByteWriter w;
  w.Bytes(std::vector<std::uint8_t>{'R', 'I', 'F', 'F'});
  w.U32(36 + dataBytes);
  w.Bytes(std::vector<std::uint8_t>{'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  w.U32(16);
  w.U16(1);  // PCM
  w.U16(2);
  w.U32(kRate);
  w.U32(kRate * 4);
  w.U16(4);
  w.U16(16);
  w.Bytes(std::vector<std::uint8_t>{'d', 'a', 't', 'a'});
  w.U32(dataBytes);
  w.Reserve(44 + dataBytes);
  for (std::int16_t sample : samples) w.U16(static_cast<std::uint16_t>(sample));
  return std::move(w).Take();
}

void Quiet(int, const char*, void*) {}

// Renders the MIDI file through FluidSynth into a wave file; the child
// process's work. Exit status 0 when the file was written.
int Render(const std::string& midiPath, const std::string& soundfont, const std::string& out) {
  for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
    fluid_set_log_function(level, Quiet, nullptr);
  std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings(
      new_fluid_settings(), delete_fluid_settings);
  if (!settings) return 1;
  fluid_settings_setnum(settings.get(), "synth.sample-rate", kRate);
  // As loud as SDL_mixer plays MIDI at full music volume (FluidSynth's own
  // default, 0.2, is five times softer than the cues).
  fluid_settings_setnum(settings.get(), "synth.gain", kGain);
  std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)> synth(
      new_fluid_synth(settings.get()), delete_fluid_synth);
  if (!synth || fluid_synth_sfload(synth.get(), soundfont.c_str(), 1) == FLUID_FAILED) return 1;
  std::unique_ptr<fluid_player_t, decltype(&delete_fluid_player)> player(
      new_fluid_player(synth.get()), delete_fluid_player);
  if (!player || fluid_player_add(player.get(), midiPath.c_str()) != FLUID_OK ||
      fluid_player_play(player.get()) != FLUID_OK)
    return 1;
  std::vector<std::int16_t> samples;
  long frames = 0, tail = 0;
  std::int16_t block[kBlock * 2];
  while (tail < kTailFrames && frames < kMaxFrames) {
    if (fluid_synth_write_s16(synth.get(), kBlock, block, 0, 2, block, 1, 2) != FLUID_OK) return 1;
    samples.insert(samples.end(), block, block + kBlock * 2);
    frames += kBlock;
    if (fluid_player_get_status(player.get()) != FLUID_PLAYER_PLAYING) tail += kBlock;
  }
  try {
    WriteFileAtomically(out, WaveFile(samples));
  } catch (const Error&) {
    return 1;
  }
  return 0;
}

}  // namespace

std::string RenderedMusicName(std::span<const std::uint8_t> midi, const std::string& soundfont) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  Mix(hash, kFormat);
  Mix(hash, midi);
  Mix(hash, soundfont);
  struct stat st {};
  if (::stat(soundfont.c_str(), &st) == 0)
    Mix(hash, std::to_string(st.st_size) + " " + std::to_string(st.st_mtim.tv_sec) + "." +
                  std::to_string(st.st_mtim.tv_nsec));
  Mix(hash, fluid_version_str());
  char name[40];
  std::snprintf(name, sizeof name, "music-%016llx.wav", static_cast<unsigned long long>(hash));
  return name;
}

std::string RenderedMusic(const std::string& midiPath, const std::string& cacheFolder) {
  if (cacheFolder.empty()) return {};
  std::vector<std::uint8_t> midi;
  try {
    midi = ReadFileBytes(midiPath, kMaxMidiBytes);
  } catch (const Error&) {
    return {};
  }
  const std::string soundfont = Soundfont();
  if (soundfont.empty()) return {};
  const std::string wave = cacheFolder + "/" + RenderedMusicName(midi, soundfont);
  std::error_code error;
  if (std::filesystem::is_regular_file(wave, error)) return wave;
  std::filesystem::create_directories(cacheFolder, error);
  if (error) return {};
  const pid_t child = fork();
  if (child < 0) return {};
  if (child == 0) _exit(Render(midiPath, soundfont, wave));
  if (AwaitChild(child, kRenderTimeLimit).exitCode != 0) return {};
  return std::filesystem::is_regular_file(wave, error) ? wave : std::string();
}

}  // namespace quillo::sound
