#include "MusicRendering.h"

#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "SynthTable.h"
#include "base/ChildProcess.h"
#include "base/Error.h"
#include "base/FileBytes.h"
#include "base/Module.h"

namespace quillo::sound {

namespace {

constexpr std::size_t kMaxMidiBytes = 4u << 20;
constexpr auto kRenderTimeLimit = std::chrono::seconds(60);
constexpr const char* kFormat = "quillo music 1";
// Where Debian's packages put General MIDI soundfonts, the system's choice first.
constexpr const char* kSystemSoundfonts[] = {"/usr/share/sounds/sf2/default-GM.sf2",
                                             "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                                             "/usr/share/sounds/sf2/TimGM6mb.sf2"};

// FNV-1a, 64 bits: a name for the inputs, not a guard against anyone.
void Mix(std::uint64_t& hash, std::span<const std::uint8_t> bytes) {
  for (std::uint8_t b : bytes) hash = (hash ^ b) * 0x100000001b3ull;
}
void Mix(std::uint64_t& hash, const std::string& text) {
  Mix(hash, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size() + 1));
}

// The program that renders (quillo-synth), beside this module; empty when
// there is none.
std::string SynthProgram() {
  const std::filesystem::path own = OwnFolder();
  if (own.empty()) return {};
  const std::string program = own / kSynthProgramFile;
  return access(program.c_str(), X_OK) == 0 ? program : std::string();
}

// Runs the program on the MIDI file, and waits for it within the time limit.
// A new program, not a fork of this one: a fork of the threaded program
// holds whatever locks its other threads held at that moment, and the
// synthesiser starts threads and allocates in it (a child that hung so,
// under the sanitizers' allocator, is what moved this into a program).
bool RunSynthProgram(const std::string& midi, const std::string& soundfont,
                     const std::string& out) {
  std::string program = SynthProgram();
  if (program.empty()) return false;
  std::string args[] = {midi, soundfont, out};
  char* argv[] = {program.data(), args[0].data(), args[1].data(), args[2].data(), nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
  return AwaitChild(child, kRenderTimeLimit).exitCode == 0;
}

// Removes the renderings of other tunes or soundfonts, so that the cache
// holds one.
void ForgetOtherRenderings(const std::string& folder, const std::string& kept) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("music-") && name.ends_with(".wav") && entry.path() != kept)
      std::filesystem::remove(entry.path(), error);
  }
}

// The soundfont to play MIDI with; empty when there is none.
std::string MusicSoundfont() {
  if (const char* fonts = std::getenv("SDL_SOUNDFONTS"); fonts && *fonts) {
    const std::string list = fonts;
    std::size_t at = 0;
    for (;;) {
      const std::size_t end = list.find_first_of(";:", at);
      const std::string path = list.substr(at, end == std::string::npos ? end : end - at);
      if (IsRegularFile(path)) return path;
      if (end == std::string::npos) break;
      at = end + 1;
    }
  }
  for (const char* path : kSystemSoundfonts)
    if (IsRegularFile(path)) return path;
  return {};
}

std::string RenderedMusicName(std::span<const std::uint8_t> midi, const std::string& soundfont) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  Mix(hash, kFormat);
  Mix(hash, midi);
  Mix(hash, soundfont);
  struct stat st {};
  if (::stat(soundfont.c_str(), &st) == 0)
    Mix(hash, std::to_string(st.st_size) + " " + std::to_string(st.st_mtim.tv_sec) + "." +
                  std::to_string(st.st_mtim.tv_nsec));
  char name[40];
  std::snprintf(name, sizeof name, "music-%016llx.wav", static_cast<unsigned long long>(hash));
  return name;
}

}  // namespace

std::string RenderedMusic(const std::string& midiPath, const std::string& cacheFolder) {
  if (cacheFolder.empty()) return {};
  std::vector<std::uint8_t> midi;
  try {
    midi = ReadFileBytes(midiPath, kMaxMidiBytes);
  } catch (const Error&) {
    return {};
  }
  const std::string soundfont = MusicSoundfont();
  if (soundfont.empty()) return {};
  const std::string wave = cacheFolder + "/" + RenderedMusicName(midi, soundfont);
  if (IsRegularFile(wave)) return wave;
  std::error_code error;
  std::filesystem::create_directories(cacheFolder, error);
  if (error) return {};
  if (!RunSynthProgram(midiPath, soundfont, wave) || !IsRegularFile(wave)) return {};
  ForgetOtherRenderings(cacheFolder, wave);
  return wave;
}

}  // namespace quillo::sound
