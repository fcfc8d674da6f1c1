#pragma once
// What the sound module (libquillo_sound.so) offers the program: the audio
// device through SDL2, cues and music. The program loads the module on
// the first sound, on a thread of its own (SoundThread.h), so that SDL, its
// decoders and the synthesiser are neither mapped nor opened before the
// window is painted.
//
// Both sides are built from the same sources by the same compiler, so the
// table passes C++ types. The version guards against a module of another
// build: to add a function, append a member at the end and raise
// kSoundTableVersion.
#include <memory>
#include <string>

namespace quillo::sound {

inline constexpr int kSoundTableVersion = 1;
inline constexpr const char* kSoundModuleFile = "libquillo_sound.so";
// The module's one exported symbol, extern "C" const void* quillo_sound_table(),
// gives its table (every module's entry has that type: base/Module.h).
inline constexpr const char* kSoundTableEntry = "quillo_sound_table";

// The open audio device: one channel for the cues, the music beside it.
class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  // Plays a wave file, cutting off the cue before; a missing or broken
  // file is silence.
  virtual void PlayCue(const std::string& path) = 0;
  // Plays a MIDI file once, replacing the music playing. The synthesiser
  // renders it in a child process into a wave file kept in cacheFolder,
  // which is then streamed, so that the synthesiser and its soundfont (a
  // dozen megabytes) never live in the program; without a cache folder or a
  // soundfont there is no music.
  virtual void PlayMusic(const std::string& path, const std::string& cacheFolder) = 0;
};

struct SoundTable {
  int version = kSoundTableVersion;

  // Opens the audio device, or gives nullptr when there is none (no sound
  // card, no sound server); says nothing either way.
  std::unique_ptr<SoundDevice> (*open)() = nullptr;
};

}  // namespace quillo::sound
